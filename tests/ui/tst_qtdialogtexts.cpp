// Qt's own buttons and dialogs follow the program's language, and follow it again when it
// changes.

#include "support/testenv.h"
#include "ui/qtdialogtexts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

class TstQtDialogTexts : public QObject
{
    Q_OBJECT
private slots:
    void followTheLanguage()
    {
        TestEnv env;
        env.state.loadStartupSettings();
        const QtDialogTexts texts(env.state);
        const std::pair<const char *, const char *> steps[] = { { "Anglais", "Cancel" },
            { "Francais", "Annuler" }, { "Spanish", "Cancelar" }, { "Anglais", "Cancel" } };
        for (const auto &[langue, cancel] : steps) {
            env.state.setLangue(QString::fromLatin1(langue));
            const QDialogButtonBox box(QDialogButtonBox::Cancel);
            QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                QString::fromUtf8(cancel));
        }
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstQtDialogTexts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtdialogtexts.moc"
