#include "permanence_folder.h"

#include "core/wheel/limits.h"

#include <QDir>
#include <QFile>

#include <random>
#include <stdexcept>

namespace {

const QByteArray header = "Spielbank Hamburg\r\nTisch 3\r\n01.02.2024\r\nPermanenz\r\n";

std::vector<double> randomSpins(int count, unsigned seed) {
    std::mt19937 engine(seed);
    std::vector<double> spins;
    for (int i = 0; i < count; ++i) {
        spins.push_back(static_cast<double>(engine() % 37));
    }
    return spins;
}

QByteArray lines(const std::vector<double>& spins) {
    QByteArray bytes = header;
    for (const double s : spins) {
        bytes += QByteArray::number(static_cast<int>(s)) + "\r\n";
    }
    return bytes;
}

// One more spin than a run can hold, written fast from one repeated line.
QByteArray tooManySpins() {
    const QByteArray line = "1\r\n";
    QByteArray bytes = header;
    bytes.reserve(header.size() + line.size() * static_cast<qsizetype>(sorvik1::maxSpins + 1));
    for (std::size_t i = 0; i <= sorvik1::maxSpins; ++i) {
        bytes += line;
    }
    return bytes;
}

QByteArray randomBytes(int count, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += static_cast<char>(engine() & 0xFF);
    }
    return bytes;
}

} // namespace

const PermanenceFolder& PermanenceFolder::shared() {
    static const PermanenceFolder folder;
    return folder;
}

PermanenceFolder::PermanenceFolder() {
    if (!dir_.isValid()) {
        throw std::runtime_error("no temporary folder for the permanence files");
    }
    for (const QString& d : {QStringLiteral("mehr"), QStringLiteral("ohne"), QStringLiteral("info"),
                             QStringLiteral("mehr/tiefer"), QStringLiteral("druck")}) {
        QDir(root()).mkpath(d);
    }
    // The info file is a text file too, so the file list offers it.
    add({QStringLiteral("info/info_Sorvik1.txt"), std::nullopt}, infoText().toUtf8());
    write(QStringLiteral("ohne/notizen.dat"), "keine Permanenz");

    for (const auto& [count, seed] :
         {std::pair{1, 1u}, {3, 2u}, {25, 3u}, {300, 4u}, {2500, 5u}, {15000, 6u}}) {
        const std::vector<double> spins = randomSpins(count, seed);
        add({QStringLiteral("gut_%1.txt").arg(count), spins}, lines(spins));
    }
    const std::vector<double> deeper = randomSpins(40, 7);
    add({QStringLiteral("mehr/tiefer/gut_40.txt"), deeper}, lines(deeper));
    add({QStringLiteral("mehr/zeichen.txt"),
         std::vector<double>{12, 0, 36, 3, 17, 5, 0, 7, 12, 17, 4, 2.5, 19}},
        header + "12\r\n0\r\n------\r\n36\r\n3,17\r\n5,,7\r\n\"12\"\r\n1 7\r\n-5\r\n+4\r\n"
                 "2.5\r\n19 x\r\n======\r\n8\r\n9\r\n");
    add({QStringLiteral("nur_kopf.txt"), std::vector<double>{}}, header);
    add({QStringLiteral("leer.txt"), std::nullopt}, QByteArray());
    add({QStringLiteral("klein.txt"), std::nullopt},
        "spielbank Hamburg\r\nTisch 3\r\n01.02.2024\r\nPermanenz\r\n5\r\n");
    add({QStringLiteral("kopf_kurz.txt"), std::nullopt}, "Spielbank Hamburg\r\n");
    add({QStringLiteral("zahl_37.txt"), std::nullopt}, header + "5\r\n37\r\n6\r\n");
    add({QStringLiteral("zahl_gross.txt"), std::nullopt}, header + "4\r\n1e300\r\n");
    add({QStringLiteral("binaer.txt"), std::nullopt}, randomBytes(3000, 8));
    add({QStringLiteral("binaer_kopf.txt"), std::nullopt, true}, header + randomBytes(3000, 9));
    // Lone line feeds and carriage returns end lines; a blank header line is
    // an empty header item, blank lines among the spins are no spins.
    add({.path = QStringLiteral("zeilen_lf.txt"),
         .spins = std::vector<double>{1, 2, 3},
         .header = QStringLiteral("Spielbank Hamburg\rTisch 3\r")},
        "Spielbank Hamburg\nTisch 3\n\n01.02.2024\n\n1\r\r2\n\n3\n");
    add({QStringLiteral("riesig.txt"), std::nullopt, false, true}, tooManySpins());
}

void PermanenceFolder::write(const QString& path, const QByteArray& bytes) {
    QFile file(QDir(root()).filePath(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

void PermanenceFolder::add(PermanenceFile file, const QByteArray& bytes) {
    write(file.path, bytes);
    files_.push_back(std::move(file));
}

const PermanenceFile* PermanenceFolder::find(const QString& path) const {
    for (const PermanenceFile& f : files_) {
        if (f.path == path) {
            return &f;
        }
    }
    return nullptr;
}

const PermanenceFile* PermanenceFolder::chosen(const QString& directory,
                                               const QString& name) const {
    if (name.isEmpty()) {
        return nullptr;
    }
    const std::optional<QString> dir = relative(directory);
    if (!dir) {
        return &elsewhere_;
    }
    return find(dir->isEmpty() ? name : *dir + QChar('/') + name);
}

QString PermanenceFolder::infoText() {
    return QStringLiteral("Sorvik1\nEin Trainer für Figuren.\n");
}

QString PermanenceFolder::withInfo() const {
    return QDir(root()).filePath(QStringLiteral("info"));
}

QString PermanenceFolder::withoutInfo() const {
    return QDir(root()).filePath(QStringLiteral("ohne"));
}

QString PermanenceFolder::pdfFolder() const {
    return QDir(root()).filePath(QStringLiteral("druck"));
}

std::optional<QString> PermanenceFolder::relative(const QString& absolute) const {
    if (absolute == root()) {
        return QString();
    }
    if (absolute.startsWith(root() + QChar('/'))) {
        return absolute.mid(root().size() + 1);
    }
    return std::nullopt;
}
