#pragma once

#include "window_fixture.h"

#include "ui/dir_list.h"
#include "ui/file_list.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// A window with a scratch directory to put permanence files in.
class ImportTest : public WindowTest {
  protected:
    ImportTest() { form.show(); }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // Opens the frame, goes to the directory and clicks the file, as a user does.
    void choose(const QString& directory, const QString& name) {
        form.okextern_Click();
        ASSERT_TRUE(form.Dir1->setPath(directory));
        clickFile(name);
    }

    void clickFile(const QString& name) {
        const QList<QListWidgetItem*> items = form.File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        form.File1->scrollToItem(items.front());
        QTest::mouseClick(form.File1->viewport(), Qt::LeftButton, {},
                          form.File1->visualItemRect(items.front()).center());
    }

    bool frameShown() const { return form.Frame1->isVisibleTo(&form); }

    QTemporaryDir dir;
};
