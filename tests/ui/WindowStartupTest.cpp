// Start-up of the window and its folders: title, icon, settings file on first start, damaged
// files, folders it cannot use, the scratch file told once, and the choice of a new folder.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QRandomGenerator>
#include <QtTest>

#include "WindowTestSupport.h"
#include "ui/settings/SettingsFile.h"
#include "ui/settings/SettingsStore.h"

using pexabit::test::WindowUnderTest;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Encoded(const pexabit::SettingsRecord& record) {
    const std::string bytes = pexabit::EncodeSettingsFile(record);
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

pexabit::SettingsRecord Defaults(const QString& programFiles) {
    const std::string folder = (programFiles + "/Pexabit/").toStdString();
    return {"Pexabit", "v.1.00", folder, folder};
}

}  // namespace

class WindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStringLiteral("Fusion")); }

    void titleAboutAndPanelsAfterLoad() {
        WindowUnderTest w;
        QCOMPARE(w.Window().windowTitle(),
                 QStringLiteral("Tavrilendor       Pexabit v.1.00               Today: 5  December  "
                                "2026 year  Saturday"));
        QCOMPARE(w.Text("AboutLabel"), QStringLiteral("Pexabit v.1.00"));
        QVERIFY(w.Find<QGroupBox>("Frame1")->isHidden());
        QVERIFY(w.Find<QGroupBox>("AboutFrame")->isHidden());
    }

    void iconIsOurs256Pixels() {
        WindowUnderTest w;
        const QIcon icon = w.Window().windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    }

    void firstStartWritesDefaultsAndDateFolders() {
        WindowUnderTest w;
        const QString folder = w.ProgramFiles() + "/Pexabit/";
        QCOMPARE(ReadFile(folder + "Pexabit.eng"), Encoded(Defaults(w.ProgramFiles())));
        QVERIFY(QDir(folder + "2026/December").exists());
        QVERIFY(w.Dialogs.Messages.isEmpty());
        QCOMPARE(QString::fromStdString(w.Window().Settings().Record.ResultsDirectory), folder);
    }

    // What the file held before start-up, and whether the user hears about it (every kind of
    // damage is covered by the settings store's own tests; these show the box is wired).
    void existingSettingsFile_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("toldCorrupt");
        QByteArray tooLong = Encoded({"Pexabit", "v.1.00", "/a/", "/b/"});
        tooLong[0] = char(0xF3);  // a name length of 499
        tooLong[1] = char(0x01);
        QTest::newRow("length beyond 498: told, rebuilt") << tooLong << true;
        QByteArray noise(2000, '\0');
        QRandomGenerator generator(7);  // fixed seed: its first length is far beyond 498
        for (char& byte : noise) byte = static_cast<char>(generator.bounded(256));
        QTest::newRow("random bytes: told, rebuilt") << noise << true;
        QTest::newRow("wrong version: silent rebuild") << Encoded({"Pexabit", "v.0.99", "/a/", "/b/"}) << false;
    }
    void existingSettingsFile() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, toldCorrupt);
        QTemporaryDir programFiles;
        QDir().mkpath(programFiles.path() + "/Pexabit");
        WriteFile(programFiles.path() + "/Pexabit/Pexabit.eng", stored);
        WindowUnderTest w(programFiles.path());
        const QStringList told = toldCorrupt ? QStringList{pexabit::CorruptSettingsMessage} : QStringList{};
        QCOMPARE(w.Dialogs.Messages, told);
        QCOMPARE(ReadFile(programFiles.path() + "/Pexabit/Pexabit.eng"), Encoded(Defaults(programFiles.path())));
    }

    // A program folder that cannot exist: one message naming it; the tool still converts and
    // does not tell again about the scratch file in that same folder.
    void unusableProgramFolderToldOnceAndConversionWorks() {
        QTemporaryDir programFiles;
        WriteFile(programFiles.path() + "/Pexabit", "a file in the place of the folder");
        WindowUnderTest w(programFiles.path());
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        QVERIFY(w.Dialogs.Messages[0].contains(programFiles.path() + "/Pexabit/"));
        w.SetText("Text2", "0.1");
        w.Window().Command2_Click();
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));
        QCOMPARE(w.Dialogs.Messages.size(), 1);
    }

    void scratchFileProblemToldOncePerFolder() {
        WindowUnderTest w;
        QTemporaryDir other;
        QVERIFY(QDir(w.ProgramFiles() + "/Pexabit").removeRecursively());
        w.SetText("Text2", "0.1");
        w.Window().Command2_Click();
        w.Window().Command2_Click();
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        QVERIFY(w.Dialogs.Messages[0].contains("ss.dat"));
        QVERIFY(w.Dialogs.Messages[0].contains(w.ProgramFiles() + "/Pexabit/"));
        QCOMPARE(w.Text("Text7"), QStringLiteral("3DCCCCCD"));  // the report is right anyway
        // Another folder that later disappears is a new problem: told once more.
        QDir().mkpath(w.ProgramFiles() + "/Pexabit");
        w.Dialogs.FolderAnswer = other.path();
        w.Window().Command1_Click();
        QCOMPARE(w.Dialogs.Messages.size(), 1);
        QVERIFY(QDir(other.path()).removeRecursively());
        w.Window().Command2_Click();
        w.Window().Command2_Click();
        QCOMPARE(w.Dialogs.Messages.size(), 2);
        QVERIFY(w.Dialogs.Messages[1].contains(other.path() + "/"));
    }

    // The "Change" button: cancel, a folder, a path the file cannot hold.
    void changeResultsDirectory_data() {
        QTest::addColumn<QString>("answer");  // relative to a fresh folder; "" = cancel
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("told");
        QTest::newRow("cancel changes nothing") << "" << false << false;
        QTest::newRow("a folder gets its separator") << "data" << true << false;
        QTest::newRow("beyond 498 bytes: refused") << "data/" + QString(500, 'x') << false << true;
        QTest::newRow("a folder that is not there: refused") << "missing" << false << true;
    }
    void changeResultsDirectory() {
        QFETCH(QString, answer);
        QFETCH(bool, stored);
        QFETCH(bool, told);
        WindowUnderTest w;
        QTemporaryDir base;
        QDir().mkpath(base.path() + "/data");
        const QString before = QString::fromStdString(w.Window().Settings().Record.ResultsDirectory);
        const QByteArray fileBefore = ReadFile(before + "Pexabit.eng");
        w.Dialogs.FolderAnswer = answer.isEmpty() ? QString() : base.path() + "/" + answer;
        w.Window().Command1_Click();
        QCOMPARE(w.Dialogs.FolderTitles, QStringList{"Select a directory to store the result:"});
        QCOMPARE(w.Dialogs.Messages.size(), told ? 1 : 0);
        const QString after = QString::fromStdString(w.Window().Settings().Record.ResultsDirectory);
        if (stored) {
            QCOMPARE(after, base.path() + "/" + answer + "/");
            QCOMPARE(w.Text("Text1"), after);
            QVERIFY(ReadFile(before + "Pexabit.eng").contains(after.toUtf8()));
        } else {
            QCOMPARE(after, before);
            QCOMPARE(w.Text("Text1"), QString());
            QCOMPARE(ReadFile(before + "Pexabit.eng"), fileBefore);
        }
    }
};

QTEST_MAIN(WindowStartupTest)
#include "WindowStartupTest.moc"
