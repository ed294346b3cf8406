#include "picker/colourpanel.h"

#include "picker/colourpaneltexts.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colournames.h"
#include "colour/contrast.h"
#include "colour/cssnotation.h"
#include "colour/palettefile.h"
#include "controls/commondialog.h"
#include "controls/messagebox.h"
#include "picker/autocopy.h"
#include "picker/contrastview.h"
#include "picker/notationchoices.h"
#include "picker/paletteview.h"
#include "picker/pickkeyview.h"
#include "picker/schemeview.h"
#include "picker/templateeditor.h"
#include "picker/templateeditortexts.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "ui/appstate.h"
#include "ui/controls.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QWidgetAction>

#include <optional>
#include <utility>

using namespace colourpaneltexts;

namespace {

// The stored notation of the automatic copy; empty for the designed choice.

constexpr int kWidth = 302;
constexpr int kHeight = 358;
constexpr int kSwatchColumns = 12;

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

void paintSwatch(QWidget *w, int32_t bgr)
{
    const bool colour = colorvalue::isColor(bgr);
    w->setStyleSheet(colour
            ? QStringLiteral("background: %1; border: 1px solid #808080;").arg(toQColor(bgr).name())
            : QStringLiteral("background: transparent; border: 1px dotted #c0c0c0;"));
}

// Marks a field whose text is no colour.
void markUnreadable(QLineEdit *field, bool bad, Language language)
{
    field->setStyleSheet(bad ? QStringLiteral("QLineEdit { background: #ffd8d8; }") : QString());
    field->setToolTip(bad ? text("unreadable", language) : QString());
}

// What a field holds, read as the paste field reads it; empty text is no fault.
std::optional<int32_t> readField(QLineEdit *field, Language language)
{
    const QString typed = field->text().trimmed();
    const auto colour = cssnotation::parse(typed);
    markUnreadable(field, !typed.isEmpty() && !colour, language);
    return colour;
}

} // namespace

ColourPanel::ColourPanel(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_history(state)
    , m_templates(namedtemplates::read(state))
{
    setObjectName(QStringLiteral("ColourPanel"));
    setFixedSize(kWidth, kHeight);
    buildControls();
    // Picks made outside this window (the global key) join the last picks shown here.
    connect(&m_state, &AppState::settingWritten, this, [this](Setting setting) {
        if (setting == Setting::History) {
            m_history = ColourHistory(m_state);
            refreshHistory();
        }
    });
    refreshHistory();
    refreshContrast();
}

int ColourPanel::unfoldedHeight() { return kHeight; }

void ColourPanel::buildControls()
{
    auto place = [this](QWidget *w, const char *name, int x, int y, int width, int height,
                     QWidget *parent = nullptr) {
        placeIn(parent ? parent : this, w, name, x, y, width, height);
    };

    m_pasteLabel = new QLabel;
    place(m_pasteLabel, "LblPaste", 4, 4, 108, 22);
    m_paste = new QLineEdit;
    place(m_paste, "TxtPaste", 112, 4, 186, 22);
    m_paste->setClearButtonEnabled(true);
    connect(m_paste, &QLineEdit::textEdited, this, &ColourPanel::pasteEdited);
    connect(m_paste, &QLineEdit::returnPressed, this, &ColourPanel::pasteEdited);

    m_notation = new QComboBox;
    place(m_notation, "CboNotation", 4, 30, 190, 22);
    m_editTemplates = new QToolButton;
    place(m_editTemplates, "CmdTemplates", 196, 30, 22, 22);
    m_editTemplates->setText(QStringLiteral("…"));
    connect(m_editTemplates, &QToolButton::clicked, this, &ColourPanel::editTemplates);
    m_notationValue = new QLineEdit;
    place(m_notationValue, "TxtNotation", 4, 56, 176, 22);
    m_notationValue->setReadOnly(true);
    m_name = new QLabel;
    place(m_name, "LblName", 184, 56, 114, 22);
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_copy = new QPushButton;
    place(m_copy, "CmdCopyNotation", 222, 30, 76, 22);
    connect(
        m_notation, &QComboBox::currentIndexChanged, this, [this] { setCurrentColour(m_current); });
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (!m_notationValue->text().isEmpty())
            emit copyRequested(m_notationValue->text());
    });

    m_autoLabel = new QLabel;
    place(m_autoLabel, "LblAutoCopy", 4, 82, 108, 22);
    m_autoCopy = new QComboBox;
    place(m_autoCopy, "CboAutoCopy", 112, 82, 186, 22);
    connect(m_autoCopy, &QComboBox::activated, this, [this](int index) {
        const QString notation = m_autoCopy->itemData(index).toString();
        m_state.writeSetting(Setting::CopieCss, notation);
        emit autoCopyChanged(notation);
    });

    m_historyLabel = new QLabel;
    place(m_historyLabel, "LblHistory", 4, 108, 216, 16);
    m_savePalette = new QPushButton;
    place(m_savePalette, "CmdSavePalette", 222, 105, 76, 20);
    connect(m_savePalette, &QPushButton::clicked, this, &ColourPanel::savePicks);
    for (int i = 0; i < colourhistory::kCapacity; ++i) {
        auto *swatch = new QToolButton;
        place(swatch, QStringLiteral("History(%1)").arg(i).toLatin1().constData(),
            4 + (i % kSwatchColumns) * 24, 126 + (i / kSwatchColumns) * 22, 22, 20);
        swatch->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(swatch, &QToolButton::clicked, this, [this, i] {
            if (i < m_history.colours().size())
                emit colourChosen(m_history.colours().at(i));
        });
        connect(swatch, &QToolButton::customContextMenuRequested, this,
            [this, i, swatch](QPoint at) { historyMenu(i, swatch->mapToGlobal(at)); });
        m_swatches << swatch;
    }

    // Below the picks, one section at a time: all of them under each other would not leave
    // the unfolded picker on a 768-pixel screen.
    m_sections = new QTabWidget;
    place(m_sections, "TabSections", 2, 172, kWidth - 4, kHeight - 174);
    m_sections->setDocumentMode(true);

    m_contrast = new ContrastView;
    m_sections->addTab(m_contrast, QString());
    connect(m_contrast, &ContrastView::backgroundRequested, this, &ColourPanel::backgroundMenu);

    m_schemes = new SchemeView;
    m_sections->addTab(m_schemes, QString());
    connect(m_schemes, &SchemeView::colourChosen, this, &ColourPanel::colourChosen);
    connect(m_schemes, &SchemeView::menuRequested, this, &ColourPanel::schemeMenu);

    auto *palettePage = new QWidget;
    m_sections->addTab(palettePage, QString());
    m_paletteName = new QLabel;
    place(m_paletteName, "LblPalette", 4, 6, 118, 18, palettePage);
    m_loadPalette = new QPushButton;
    place(m_loadPalette, "CmdLoadPalette", 124, 4, 78, 22, palettePage);
    m_saveLoaded = new QPushButton;
    place(m_saveLoaded, "CmdSaveLoadedPalette", 204, 4, 84, 22, palettePage);
    m_palette = new PaletteView;
    place(m_palette, "LstPalette", 4, 30, 284, m_sections->height() - 64, palettePage);
    m_saveLoaded->setEnabled(false);
    connect(m_loadPalette, &QPushButton::clicked, this, &ColourPanel::loadPalette);
    connect(m_saveLoaded, &QPushButton::clicked, this, &ColourPanel::saveLoadedPalette);
    connect(m_palette, &PaletteView::colourClicked, this, &ColourPanel::colourChosen);
    connect(m_palette, &PaletteView::menuRequested, this, &ColourPanel::paletteMenu);

    m_pickKey = new PickKeyView(m_state);
    m_sections->addTab(m_pickKey, QString());

    applyLanguage(m_state.language());
}

void ColourPanel::applyLanguage(Language language)
{
    m_language = language;
    m_pasteLabel->setText(text("paste", language));
    m_copy->setText(text("copy", language));
    m_autoLabel->setText(text("auto", language));
    m_historyLabel->setText(text("history", language));
    m_contrast->applyLanguage(language);
    m_schemes->applyLanguage(language);
    m_sections->setTabText(0, text("tabContrast", language));
    m_sections->setTabText(1, text("tabSchemes", language));
    m_sections->setTabText(2, text("tabPalette", language));
    m_sections->setTabText(3, text("tabPickKey", language));
    m_pickKey->applyLanguage(language);
    m_savePalette->setText(text("save", language));
    m_savePalette->setToolTip(text("savePicksTip", language));
    m_loadPalette->setText(text("load", language));
    m_saveLoaded->setText(text("save", language));
    m_saveLoaded->setToolTip(text("savePaletteTip", language));
    m_editTemplates->setToolTip(captionOf(templateeditortexts::kTexts, "edit", language));
    refreshPaletteName();
    fillNotationCombos();
    refreshContrast();
}

void ColourPanel::fillNotationCombos()
{
    const QString chosen = m_notation->currentData().toString();
    const QSignalBlocker quiet(m_notation);
    m_notation->clear();
    m_autoCopy->clear();
    m_autoCopy->addItem(text("designed", m_language), QString());
    bool separated = false;
    for (const notationchoices::Choice &c : notationchoices::all(m_templates, m_language)) {
        if (c.own && !separated) {
            m_notation->insertSeparator(m_notation->count());
            m_autoCopy->insertSeparator(m_autoCopy->count());
            separated = true;
        }
        m_notation->addItem(c.label, c.id);
        m_autoCopy->addItem(c.label, c.id);
    }
    m_notation->setCurrentIndex(qMax(0, m_notation->findData(chosen)));
    const int stored = m_autoCopy->findData(autoCopyNotation());
    m_autoCopy->setCurrentIndex(stored < 0 ? 0 : stored);
    setCurrentColour(m_current);
}

void ColourPanel::editTemplates()
{
    TemplateEditor editor(m_templates, m_current, m_language, window());
    if (editor.exec() != QDialog::Accepted)
        return;
    const QString copied = autoCopyNotation();
    m_templates = editor.templates();
    namedtemplates::write(m_state, m_templates);
    m_templates = namedtemplates::read(m_state);
    fillNotationCombos();
    // An automatic copy through a format that is gone goes back to the designed choice.
    if (!copied.isEmpty() && autoCopyNotation().isEmpty()) {
        m_state.writeSetting(Setting::CopieCss, QString());
        emit autoCopyChanged(QString());
    }
}

QString ColourPanel::autoCopyNotation() const { return autocopy::notation(m_state); }

QString ColourPanel::autoCopyLabel() const
{
    return notationchoices::labelOf(m_templates, autoCopyNotation(), m_language);
}

QString ColourPanel::autoCopyText(int32_t bgr) const { return autocopy::text(m_state, bgr); }

void ColourPanel::useDesignedAutoCopy()
{
    if (autoCopyNotation().isEmpty())
        return;
    m_autoCopy->setCurrentIndex(0);
    m_state.writeSetting(Setting::CopieCss, QString());
    emit autoCopyChanged(QString());
}

void ColourPanel::setCurrentColour(int32_t bgr)
{
    m_current = bgr;
    m_notationValue->setText(
        notationchoices::textOf(m_templates, m_notation->currentData().toString(), bgr));
    const QString name = colournames::shown(colournames::nameOf(bgr));
    m_name->setText(m_name->fontMetrics().elidedText(name, Qt::ElideRight, m_name->width()));
    m_name->setToolTip(name);
    refreshContrast();
    m_schemes->setColour(bgr);
}

void ColourPanel::remember(int32_t bgr)
{
    if (m_history.add(bgr))
        refreshHistory();
}

void ColourPanel::pasteEdited()
{
    // An unreadable text is marked and changes nothing.
    const auto colour = readField(m_paste, m_language);
    if (colour)
        emit colourChosen(*colour);
}

void ColourPanel::refreshHistory()
{
    const QList<int32_t> &colours = m_history.colours();
    for (int i = 0; i < m_swatches.size(); ++i) {
        const int32_t c = i < colours.size() ? colours.at(i) : -1;
        paintSwatch(m_swatches.at(i), c);
        m_swatches.at(i)->setEnabled(c >= 0);
        m_swatches.at(i)->setToolTip(c >= 0 ? colorvalue::htmlNotation(c) : QString());
    }
    m_savePalette->setEnabled(!colours.isEmpty());
}

void ColourPanel::refreshContrast()
{
    if (m_contrast)
        m_contrast->setColours(m_current, m_background);
}

void ColourPanel::historyMenu(int index, QPoint global)
{
    if (index >= m_history.colours().size())
        return;
    const int32_t colour = m_history.colours().at(index);
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(
        text("background", m_language), this, [this, colour] { setBackground(colour); });
    menu->addMenu(copyAsMenu(colour, menu));
    menu->addSeparator();
    menu->addAction(text("remove", m_language), this, [this, colour] {
        m_history.remove(colour);
        refreshHistory();
    });
    menu->addAction(text("removeAll", m_language), this, [this] {
        m_history.clear();
        refreshHistory();
    });
    menu->popup(global);
}

void ColourPanel::setBackground(int32_t bgr)
{
    m_background = bgr;
    refreshContrast();
}

void ColourPanel::backgroundMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MnuBackground"));
    menu->setAttribute(Qt::WA_DeleteOnClose);

    // A field in the menu reads what is typed or pasted as the paste field does, and the
    // ratio follows as soon as the text is a colour.
    auto *field = new QLineEdit(menu);
    field->setObjectName(QStringLiteral("TxtBackground"));
    field->setPlaceholderText(text("typeBackground", m_language));
    field->setClearButtonEnabled(true);
    field->setMinimumWidth(200);
    auto *typed = new QWidgetAction(menu);
    typed->setDefaultWidget(field);
    menu->addAction(typed);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
        if (const auto colour = readField(field, m_language))
            setBackground(*colour);
    });
    connect(field, &QLineEdit::returnPressed, menu, [this, field, menu] {
        if (readField(field, m_language))
            menu->close();
    });

    const auto onClipboard
        = cssnotation::parse(ScreenServices::current().clipboard().text().trimmed());
    QAction *clipboard = menu->addAction(text("clipboardBackground", m_language)
            + (onClipboard ? QStringLiteral("\t") + colorvalue::htmlNotation(*onClipboard)
                           : QString()),
        this, [this, onClipboard] { setBackground(onClipboard.value_or(m_background)); });
    clipboard->setEnabled(onClipboard.has_value());
    if (onClipboard)
        clipboard->setIcon(swatchIcon(*onClipboard));

    menu->addAction(text("dialogBackground", m_language), this, [this] {
        CommonDialog dialog(window());
        dialog.Color = m_background;
        if (dialog.ShowColor())
            setBackground(dialog.Color);
    });

    const bool hasCurrent = colorvalue::isColor(m_current);
    QAction *current = menu->addAction(text("currentBackground", m_language)
            + (hasCurrent ? QStringLiteral("\t") + colorvalue::htmlNotation(m_current) : QString()),
        this, [this] { setBackground(m_current); });
    current->setEnabled(hasCurrent);
    if (hasCurrent)
        current->setIcon(swatchIcon(m_current));

    const QToolButton *button = m_contrast->backgroundButton();
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    menu->setActiveAction(typed);
    field->setFocus(Qt::PopupFocusReason);
}

QMenu *ColourPanel::copyAsMenu(int32_t bgr, QWidget *parent)
{
    auto *menu = new QMenu(text("copyAs", m_language), parent);
    menu->setObjectName(QStringLiteral("MnuCopyAs"));
    menu->setEnabled(colorvalue::isColor(bgr));
    bool separated = false;
    for (const notationchoices::Choice &c : notationchoices::all(m_templates, m_language)) {
        if (c.own && !std::exchange(separated, true))
            menu->addSeparator();
        const QString value = notationchoices::textOf(m_templates, c.id, bgr);
        menu->addAction(QStringLiteral("%1\t%2").arg(c.label, value), this,
            [this, value] { emit copyRequested(value); });
    }
    return menu;
}

void ColourPanel::savePicks()
{
    if (m_history.colours().isEmpty())
        return;
    // Each pick under its colour name, or the nearest one.
    palettefile::Palette palette;
    for (int32_t c : m_history.colours())
        palette.entries.append({ c, colournames::nameOf(c).name });
    savePalette(palette, m_state.chemin(), QStringLiteral("palette.gpl"));
}

void ColourPanel::saveLoadedPalette()
{
    if (m_paletteFile.isEmpty())
        return;
    // Proposed where it came from, under its own name: saving back asks before replacing.
    const QFileInfo from(m_paletteFile);
    savePalette(m_palette->shownPalette(), from.absolutePath(), from.fileName());
}

void ColourPanel::savePalette(
    const palettefile::Palette &palette, const QString &dir, const QString &name)
{
    CommonDialog dialog(window());
    dialog.Filter
        = QStringLiteral("GIMP / Inkscape (*.gpl)|*.gpl|CSS (*.css)|*.css|JSON (*.json)|*.json");
    dialog.FilterIndex = 1;
    dialog.DefaultExt = QStringLiteral("gpl");
    dialog.InitDir = dir;
    dialog.FileName = name;
    dialog.Flags = CommonDialog::OverwritePrompt | CommonDialog::PathMustExist;
    if (!dialog.ShowSave())
        return;
    const QString suffix = QFileInfo(dialog.FileName).suffix().toLower();
    const palettefile::Format format = suffix == QLatin1String("css") ? palettefile::Format::Css
        : suffix == QLatin1String("json")                             ? palettefile::Format::Json
                                                                      : palettefile::Format::Gpl;
    if (!palettefile::save(palette, format, dialog.FileName))
        MessageBox::show(window(),
            captionOf(kCouldNotSave, m_language) + QLatin1Char('\n') + dialog.FileName,
            MessageBox::Icon::Exclamation, window()->windowTitle());
}

void ColourPanel::loadPalette()
{
    CommonDialog dialog(window());
    dialog.Filter = QStringLiteral("GIMP / Inkscape (*.gpl)|*.gpl");
    dialog.FilterIndex = 1;
    dialog.InitDir = m_state.chemin();
    dialog.Flags = CommonDialog::FileMustExist | CommonDialog::PathMustExist;
    if (!dialog.ShowOpen())
        return;
    const palettefile::LoadResult result = palettefile::loadGpl(dialog.FileName);
    if (!result.ok()) {
        // A malformed file says where, and loads nothing.
        MessageBox::show(window(),
            palettefile::errorText(result, m_language) + QLatin1Char('\n') + dialog.FileName,
            MessageBox::Icon::Exclamation, window()->windowTitle());
        return;
    }
    // A palette of its own: the last picks stay picks.
    m_paletteFile = dialog.FileName;
    m_palette->showPalette(result.palette);
    m_saveLoaded->setEnabled(true);
    refreshPaletteName();
}

const palettefile::Palette &ColourPanel::loadedPalette() const { return m_palette->shownPalette(); }

void ColourPanel::refreshPaletteName()
{
    if (!m_palette)
        return;
    const QString name = m_palette->shownPalette().name;
    const QString shown = m_paletteFile.isEmpty() ? text("noPalette", m_language)
        : name.isEmpty()                          ? QFileInfo(m_paletteFile).completeBaseName()
                                                  : name;
    const QString full = m_paletteFile.isEmpty() ? shown : text("palette", m_language).arg(shown);
    m_paletteName->setText(
        m_paletteName->fontMetrics().elidedText(full, Qt::ElideRight, m_paletteName->width()));
    m_paletteName->setToolTip(m_paletteFile.isEmpty() ? QString() : full);
}

void ColourPanel::paletteMenu(int index, QPoint global)
{
    const int32_t colour = m_palette->shownPalette().entries.at(index).colour;
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(
        text("background", m_language), this, [this, colour] { setBackground(colour); });
    menu->addMenu(copyAsMenu(colour, menu));
    menu->addSeparator();
    menu->addAction(text("closePalette", m_language), this, [this] {
        m_paletteFile.clear();
        m_palette->showPalette({});
        m_saveLoaded->setEnabled(false);
        refreshPaletteName();
    });
    menu->popup(global);
}

void ColourPanel::schemeMenu(int32_t colour, QPoint global)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MnuScheme"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Into the palette being worked on, saved with it; without one, among the picks.
    const bool loaded = !m_paletteFile.isEmpty();
    menu->addAction(
        text(loaded ? "addToPalette" : "addToPicks", m_language), this, [this, colour, loaded] {
            if (loaded) {
                palettefile::Palette palette = m_palette->shownPalette();
                palette.entries.append({ colour, QString() });
                m_palette->showPalette(palette);
                m_palette->scrollToBottom();
            } else {
                remember(colour);
            }
        });
    menu->addAction(
        text("background", m_language), this, [this, colour] { setBackground(colour); });
    menu->addMenu(copyAsMenu(colour, menu));
    menu->popup(global);
}
