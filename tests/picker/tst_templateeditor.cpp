// Formats of the user's own and colour names in the picker's panel: the editor shows each
// template on the colour or says where it is wrong, and what it keeps is offered everywhere the
// notations are (the notation list, the automatic copy, "Copy as").
#include "colour/namedtemplates.h"
#include "picker/colourpanel.h"
#include "picker/frmcolorpicker.h"
#include "picker/templateeditor.h"
#include "support/memoryscreenservices.h"
#include "support/toolfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

void typeInto(QLineEdit *field, const QString &text)
{
    field->setText(text);
    emit field->textEdited(text);
}

QPushButton *okOf(QWidget *dialog)
{
    return dialog->findChild<QDialogButtonBox *>(QStringLiteral("Buttons"))
        ->button(QDialogButtonBox::Ok);
}

} // namespace

class TstTemplateEditor : public QObject
{
    Q_OBJECT

private slots:
    void showsTheExampleOrWhereItIsWrong_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name"); // empty: the one a new format gets
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("example");
        QTest::addColumn<QString>("error");
        QTest::newRow("Kotlin") << 0 << ""
                                << "Color(0xFF%Rh%Gh%Bh)"
                                << "Color(0xFFE91E63)"
                                << "";
        QTest::newRow("wrong") << 0 << ""
                               << "Color(%q)"
                               << ""
                               << "unknown placeholder %q at column 7";
        QTest::newRow("wrong, fr") << 1 << ""
                                   << "Color(%q)"
                                   << ""
                                   << "code inconnu %q en colonne 7";
        QTest::newRow("wrong, es") << 2 << ""
                                   << "%{r"
                                   << ""
                                   << "llave sin cerrar %{r en la columna 1";
        // -f hex on the command line would give the built-in one.
        QTest::newRow("built-in name") << 0 << "hex"
                                       << "%HEX"
                                       << "#E91E63"
                                       << "“hex” is the name of a built-in format";
    }
    void showsTheExampleOrWhereItIsWrong()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, example);
        QFETCH(QString, error);
        TemplateEditor editor({}, 0x631EE9, Language(language), nullptr);
        if (!name.isEmpty())
            typeInto(editor.findChild<QLineEdit *>(QStringLiteral("TxtName")), name);
        typeInto(editor.findChild<QLineEdit *>(QStringLiteral("TxtTemplate")), text);
        QCOMPARE(editor.findChild<QLabel *>(QStringLiteral("LblExample"))->text(), example);
        QCOMPARE(editor.findChild<QLabel *>(QStringLiteral("LblError"))->text(), error);
        QCOMPARE(okOf(&editor)->isEnabled(), error.isEmpty());
    }

    void keptFormatsAreOfferedWithTheNotations()
    {
        MemoryScreenServices services;
        ToolFixture<frmColorPicker> tool(Tool::ColorPicker, QStringLiteral("Anglais"));
        auto *panel = tool.w->findChild<ColourPanel *>(QStringLiteral("ColourPanel"));
        panel->setCurrentColour(0x631EE9);
        auto edit = [panel](const std::function<void(QWidget *)> &steps) {
            QTimer::singleShot(0, [steps] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog && dialog->objectName() == QLatin1String("FrmTemplates"));
                steps(dialog);
                okOf(dialog)->click();
            });
            panel->findChild<QToolButton *>(QStringLiteral("CmdTemplates"))->click();
        };
        edit([](QWidget *dialog) {
            typeInto(dialog->findChild<QLineEdit *>(QStringLiteral("TxtName")), "Kotlin");
            typeInto(dialog->findChild<QLineEdit *>(QStringLiteral("TxtTemplate")),
                "Color(0xFF%Rh%Gh%Bh)");
        });
        QCOMPARE(tool.env.setting(QStringLiteral("Modeles")),
            QStringLiteral("[[\"Kotlin\",\"Color(0xFF%Rh%Gh%Bh)\"]]"));

        const QString id = namedtemplates::idOf(QStringLiteral("Kotlin"));
        auto *notation = panel->findChild<QComboBox *>(QStringLiteral("CboNotation"));
        notation->setCurrentIndex(notation->findData(id));
        QCOMPARE(panel->findChild<QLineEdit *>(QStringLiteral("TxtNotation"))->text(),
            QStringLiteral("Color(0xFFE91E63)"));
        QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("LblName"))->text(),
            QStringLiteral("≈ cerise"));
        QMenu *menu = panel->copyAsMenu(0x507FFF, panel);
        QCOMPARE(menu->actions().constLast()->text(), QStringLiteral("Kotlin\tColor(0xFFFF7F50)"));

        auto *automatic = panel->findChild<QComboBox *>(QStringLiteral("CboAutoCopy"));
        emit automatic->activated(automatic->findData(id));
        QCOMPARE(panel->autoCopyText(0x507FFF), QStringLiteral("Color(0xFFFF7F50)"));
        QCOMPARE(tool.env.setting(QStringLiteral("CopieCss")), id);

        // Removed, it is offered no more, and the automatic copy is the designed one again.
        edit([](QWidget *dialog) {
            dialog->findChild<QPushButton *>(QStringLiteral("CmdRemove"))->click();
        });
        QCOMPARE(notation->findData(id), -1);
        QCOMPARE(automatic->currentIndex(), 0);
        QCOMPARE(tool.env.setting(QStringLiteral("CopieCss")), QString());
    }
};

QTEST_MAIN(TstTemplateEditor)
#include "tst_templateeditor.moc"
