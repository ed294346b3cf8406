#pragma once

#include "colour/namedtemplates.h"
#include "text/language.h"

#include <QDialog>

#include <cstdint>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Adds, edits and removes the named formats: a list of names, the selected one's name and
// template, the template applied to the picker's colour as it is typed, and what is wrong with
// it. OK stays off while a template does not read or a name is missing or repeated.
class TemplateEditor : public QDialog
{
    Q_OBJECT
public:
    TemplateEditor(const QList<namedtemplates::NamedTemplate> &templates, int32_t colour,
        Language language, QWidget *parent);

    QList<namedtemplates::NamedTemplate> templates() const { return m_templates; }

private:
    void showSelected();
    void edited();
    void addTemplate();
    void removeTemplate();
    void check();

    QList<namedtemplates::NamedTemplate> m_templates;
    int32_t m_colour;
    Language m_language;
    bool m_loading = false;

    QListWidget *m_list = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_remove = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_template = nullptr;
    QLabel *m_example = nullptr;
    QLabel *m_error = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
