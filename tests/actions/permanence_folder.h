#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <vector>

// A permanence file that the driver offers in the import frame.
struct PermanenceFile {
    // Relative to the folder, with "/" between directory and name.
    QString path;
    // The values the trainer must take over when the file is chosen; none when
    // it must refuse the file or pass over it.
    std::optional<std::vector<double>> spins;
    // The outcome depends on reading rules left open, so only the window's
    // own consistency is checked after choosing it.
    bool unpredictable = false;
    // Slow to read: the driver chooses it rarely.
    bool huge = false;
    // What the instruction box shows after the load: the first three header
    // lines, each ended by a carriage return but the last.
    QString header = QStringLiteral("Spielbank Hamburg\rTisch 3\r01.02.2024");
};

// A temporary folder of permanence files, good and bad, made once per
// process, with an info file for the Info button beside them.
class PermanenceFolder {
  public:
    static const PermanenceFolder& shared();

    QString root() const { return dir_.path(); }
    const std::vector<PermanenceFile>& files() const { return files_; }
    // The file `name` in the absolute `directory`: the folder's own, or for
    // a file elsewhere on the machine, one whose content nobody can foresee;
    // none without a name or for a file of the folder that is not offered.
    const PermanenceFile* chosen(const QString& directory, const QString& name) const;
    // The path relative to the folder; none when it lies outside.
    std::optional<QString> relative(const QString& absolute) const;

    // The text of the info file.
    static QString infoText();
    // A program directory holding the info file, and one without it.
    QString withInfo() const;
    QString withoutInfo() const;
    // Where pages printed through the system's print service go.
    QString pdfFolder() const;

  private:
    PermanenceFolder();
    void write(const QString& path, const QByteArray& bytes);
    // The file at `path` relative to the folder, or none.
    const PermanenceFile* find(const QString& path) const;
    void add(PermanenceFile file, const QByteArray& bytes);

    QTemporaryDir dir_;
    std::vector<PermanenceFile> files_;
    PermanenceFile elsewhere_{.path = {}, .spins = std::nullopt, .unpredictable = true};
};
