#include "picker/templateeditor.h"

#include "picker/templateeditortexts.h"

#include "colour/colorvalue.h"
#include "colour/colourtemplate.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace templateeditortexts;

namespace {

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

// The fault of a template, or nothing.
std::optional<QString> faultOf(const QString &templateText, Language language)
{
    const auto compiled = colourtemplate::compile(templateText);
    if (const auto *error = std::get_if<colourtemplate::Error>(&compiled))
        return colourtemplate::errorText(*error, language);
    return std::nullopt;
}

} // namespace

TemplateEditor::TemplateEditor(const QList<namedtemplates::NamedTemplate> &templates,
    int32_t colour, Language language, QWidget *parent)
    : QDialog(parent)
    , m_templates(templates)
    , m_colour(colorvalue::isColor(colour) ? colour : 0x631EE9)
    , m_language(language)
{
    setObjectName(QStringLiteral("FrmTemplates"));
    setWindowTitle(text("Form", language));
    auto named = [](auto *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    m_list = named(new QListWidget, "LstTemplates");
    m_new = named(new QPushButton(text("new", language)), "CmdNew");
    m_remove = named(new QPushButton(text("remove", language)), "CmdRemove");
    m_name = named(new QLineEdit, "TxtName");
    m_template = named(new QLineEdit, "TxtTemplate");
    m_template->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_template->setMinimumWidth(320);
    m_example = named(new QLabel, "LblExample");
    m_example->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_example->setFont(m_template->font());
    m_error = named(new QLabel, "LblError");
    m_error->setStyleSheet(QStringLiteral("color: #b00020;"));
    m_error->setWordWrap(true);
    auto *help = named(new QLabel(colourtemplate::placeholderHelp(language).trimmed()), "LblHelp");
    QFont small = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    small.setPointSizeF(small.pointSizeF() * 0.85);
    help->setFont(small);
    help->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_buttons
        = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "Buttons");

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 4, 2);
    grid->addWidget(m_new, 4, 0);
    grid->addWidget(m_remove, 4, 1);
    grid->addWidget(new QLabel(text("name", language)), 0, 2);
    grid->addWidget(m_name, 0, 3);
    grid->addWidget(new QLabel(text("template", language)), 1, 2);
    grid->addWidget(m_template, 1, 3);
    grid->addWidget(new QLabel(text("example", language)), 2, 2);
    grid->addWidget(m_example, 2, 3);
    grid->addWidget(m_error, 3, 2, 1, 2, Qt::AlignTop);
    grid->setRowStretch(3, 1);
    grid->addWidget(help, 5, 0, 1, 4);
    grid->addWidget(m_buttons, 6, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    m_list->setMaximumWidth(180);

    for (const namedtemplates::NamedTemplate &t : m_templates)
        m_list->addItem(t.name);
    connect(m_list, &QListWidget::currentRowChanged, this, &TemplateEditor::showSelected);
    connect(m_name, &QLineEdit::textEdited, this, &TemplateEditor::edited);
    connect(m_template, &QLineEdit::textEdited, this, &TemplateEditor::edited);
    connect(m_new, &QPushButton::clicked, this, &TemplateEditor::addTemplate);
    connect(m_remove, &QPushButton::clicked, this, &TemplateEditor::removeTemplate);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_templates.isEmpty())
        addTemplate();
    else
        m_list->setCurrentRow(0);
    showSelected();
}

void TemplateEditor::showSelected()
{
    const int row = m_list->currentRow();
    const bool any = row >= 0 && row < m_templates.size();
    m_loading = true;
    m_name->setText(any ? m_templates.at(row).name : QString());
    m_template->setText(any ? m_templates.at(row).text : QString());
    m_loading = false;
    m_name->setEnabled(any);
    m_template->setEnabled(any);
    m_remove->setEnabled(any);
    check();
}

void TemplateEditor::edited()
{
    const int row = m_list->currentRow();
    if (m_loading || row < 0 || row >= m_templates.size())
        return;
    m_templates[row] = { m_name->text(), m_template->text() };
    m_list->item(row)->setText(m_name->text());
    check();
}

void TemplateEditor::addTemplate()
{
    QString name;
    for (int n = m_templates.size() + 1; name.isEmpty(); ++n) {
        const QString candidate = text("newName", m_language).arg(n);
        if (!namedtemplates::find(m_templates, candidate))
            name = candidate;
    }
    m_templates.append({ name, QStringLiteral("%hex") });
    m_list->addItem(name);
    m_list->setCurrentRow(int(m_templates.size()) - 1);
    m_template->setFocus();
    m_template->selectAll();
}

void TemplateEditor::removeTemplate()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_templates.size())
        return;
    m_templates.removeAt(row);
    delete m_list->takeItem(row);
    showSelected();
}

void TemplateEditor::check()
{
    // The selected format's example or fault, then the first fault of any other.
    const int row = m_list->currentRow();
    QString fault;
    bool selectedBad = false;
    if (row >= 0 && row < m_templates.size()) {
        const auto compiled = colourtemplate::compile(m_templates.at(row).text);
        if (const auto *t = std::get_if<colourtemplate::Template>(&compiled)) {
            m_example->setText(colourtemplate::format(*t, m_colour));
        } else {
            m_example->clear();
            selectedBad = true;
            fault
                = colourtemplate::errorText(std::get<colourtemplate::Error>(compiled), m_language);
        }
    } else {
        m_example->clear();
    }
    QStringList names;
    for (int i = 0; i < m_templates.size() && fault.isEmpty(); ++i) {
        const namedtemplates::NamedTemplate &t = m_templates.at(i);
        const QString name = t.name.trimmed();
        if (name.isEmpty())
            fault = text("noName", m_language);
        else if (namedtemplates::isBuiltInName(name))
            fault = text("builtIn", m_language).arg(name);
        else if (names.contains(name))
            fault = text("twice", m_language).arg(name);
        else if (const auto other = faultOf(t.text, m_language))
            fault = text("inOther", m_language).arg(name, *other);
        names << name;
    }
    m_error->setText(fault);
    m_template->setStyleSheet(
        !selectedBad ? QString() : QStringLiteral("QLineEdit { background: #ffd8d8; }"));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(fault.isEmpty());
}
