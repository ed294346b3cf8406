#include "platform/settingsstore.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kApp = QStringLiteral("Tintavo");
const QString kSection = QStringLiteral("Options");
} // namespace

class TstSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void keepsTextExactly_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "Anglais";
        QTest::newRow("accents") << QStringLiteral("/home/zoë/Images/Dégradés");
        QTest::newRow("backslashes") << R"(C:\Users\me\Pictures\)";
        QTest::newRow("comma") << "a,b, c";
        QTest::newRow("spaces") << "  lead and trail  ";
        QTest::newRow("quotes") << R"(say "hi" ; # not a comment)";
        QTest::newRow("looks like a variant") << "@Variant(abc)";
        QTest::newRow("looks like a bool") << "true";
        QTest::newRow("equals") << "k=v";
        QTest::newRow("newline") << "two\r\nlines";
    }
    void keepsTextExactly()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        {
            SettingsStore store(dir.path());
            store.Write(kApp, kSection, QStringLiteral("Chemin"), value);
        }
        // A fresh store reads the file written by the first.
        SettingsStore again(dir.path());
        QCOMPARE(again.Read(kApp, kSection, QStringLiteral("Chemin")), value);
    }

    void missingKeysReadEmpty()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        QCOMPARE(store.Read(kApp, kSection, QStringLiteral("Langue")), QString());
        store.Write(kApp, kSection, QStringLiteral("Langue"), QStringLiteral("Francais"));
        QCOMPARE(store.Read(kApp, kSection, QStringLiteral("langue")), QString()); // keys are exact
        QCOMPARE(store.Read(kApp, kSection, QStringLiteral("Langue")), QStringLiteral("Francais"));
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("Tintavo"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("Tintavo.ini") }); // and nothing else left beside it
    }

    void handEditedValuesAreReadAsWritten()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("Tintavo")));
        QFile f(dir.filePath(QStringLiteral("Tintavo/Tintavo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Options]\nLangue=Klingon\nFormatImage=JPG,PNG\nAppliDemarre=9\n");
        f.close();
        SettingsStore store(dir.path());
        QCOMPARE(store.Read(kApp, kSection, QStringLiteral("Langue")), QStringLiteral("Klingon"));
        QCOMPARE(
            store.Read(kApp, kSection, QStringLiteral("FormatImage")), QStringLiteral("JPG,PNG"));
        QCOMPARE(store.Read(kApp, kSection, QStringLiteral("AppliDemarre")), QStringLiteral("9"));
    }

    void garbageFileIsSurvived()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("Tintavo")));
        QFile f(dir.filePath(QStringLiteral("Tintavo/Tintavo.ini")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) & 0xFF));
        f.write(junk);
        f.close();
        SettingsStore store(dir.path());
        store.Read(kApp, kSection, QStringLiteral("Langue")); // whatever it finds, no crash
        store.Write(kApp, kSection, QStringLiteral("Langue"), QStringLiteral("Spanish"));
        QCOMPARE(SettingsStore(dir.path()).Read(kApp, kSection, QStringLiteral("Langue")),
            QStringLiteral("Spanish"));
    }

    void writeCutShortKeepsTheOldFile()
    {
        QTemporaryDir dir;
        SettingsStore(dir.path())
            .Write(kApp, kSection, QStringLiteral("Langue"), QStringLiteral("Francais"));
        const QString path = dir.filePath(QStringLiteral("Tintavo/Tintavo.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        // The disk fills up part-way through the new file; the store says nothing (its failures
        // are silent) but the old file stays whole and no temporary file is left beside it.
        const QString longPath = QStringLiteral("/home/me/") + QString(2000, u'x');
        const auto finished = runWithFileSizeLimit(before.size() + 100, [&] {
            SettingsStore(dir.path()).Write(kApp, kSection, QStringLiteral("Chemin"), longPath);
            return true;
        });
        QVERIFY(finished.has_value() && *finished);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(
            QDir(dir.filePath(QStringLiteral("Tintavo"))).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("Tintavo.ini") });
    }

    void unwritableFolderIsSilent()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(root);
        QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        SettingsStore store(root);
        store.Write(kApp, kSection, QStringLiteral("Langue"), QStringLiteral("Francais"));
        // As root the folder is still writable; either way nothing throws or blocks.
        const QString back = store.Read(kApp, kSection, QStringLiteral("Langue"));
        QVERIFY(back.isEmpty() || back == QLatin1String("Francais"));
        QFile::setPermissions(
            root, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TstSettingsStore)
#include "tst_settingsstore.moc"
