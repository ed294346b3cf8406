#include "icon/moderniconpanel.h"

#include "icon/moderniconpaneltexts.h"

#include "base/colorconv.h"
#include "controls/messagebox.h"
#include "icon/iconsizespreview.h"
#include "icon/multiicon.h"
#include "ui/appstate.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QtMath>

using namespace moderniconpaneltexts;

namespace {

constexpr int kWidth = 487;
// The site name's row sits below the buttons that make the files; the rows under it make room.
constexpr int kNameRow = 28;
constexpr int kHeight = 442 + kNameRow;

QPushButton *pushButton()
{
    auto *b = new QPushButton;
    b->setAutoDefault(false);
    return b;
}

} // namespace

ModernIconPanel::ModernIconPanel(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_dialog(this)
{
    setObjectName(QStringLiteral("ModernIconPanel"));
    setFixedSize(kWidth, kHeight);
    buildControls();
    applyLanguage(Language::English);
}

int ModernIconPanel::unfoldedHeight() { return kHeight; }

void ModernIconPanel::buildControls()
{
    auto place = [this](QWidget *w, const QString &name, int x, int y, int width, int height) {
        w->setParent(this);
        w->setObjectName(name);
        w->setGeometry(x, y, width, height);
    };
    m_open = pushButton();
    place(m_open, QStringLiteral("CmdOpenPicture"), 4, 4, 150, 24);
    m_pictureName = new QLabel;
    place(m_pictureName, QStringLiteral("LblPicture"), 160, 4, 323, 24);
    connect(m_open, &QPushButton::clicked, this, &ModernIconPanel::openPicture);

    m_sizesLabel = new QLabel;
    place(m_sizesLabel, QStringLiteral("LblSizes"), 4, 32, 70, 22);
    int x = 76;
    for (int size : multiicon::kSizes) {
        auto *box = new QCheckBox(QString::number(size));
        place(box, QStringLiteral("ChkSize(%1)").arg(size), x, 32, size < 100 ? 50 : 58, 22);
        x += size < 100 ? 50 : 58;
        box->setChecked(std::find(std::begin(multiicon::kDefaultSizes),
                            std::end(multiicon::kDefaultSizes), size)
            != std::end(multiicon::kDefaultSizes));
        connect(box, &QCheckBox::toggled, this, &ModernIconPanel::refreshPreview);
        m_sizes.append(box);
    }

    m_centre = new QRadioButton;
    place(m_centre, QStringLiteral("OptCentre"), 4, 58, 180, 22);
    m_centre->setChecked(true);
    m_crop = new QRadioButton;
    place(m_crop, QStringLiteral("OptCrop"), 186, 58, 84, 22);
    connect(m_centre, &QRadioButton::toggled, this, &ModernIconPanel::refreshPreview);
    m_backgroundLabel = new QLabel;
    place(m_backgroundLabel, QStringLiteral("LblBackground"), 272, 58, 160, 22);
    m_backgroundLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_backgroundSwatch = pushButton();
    place(m_backgroundSwatch, QStringLiteral("CmdBackground"), 436, 58, 47, 22);
    m_backgroundSwatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #808080;")
                                          .arg(toQColor(m_background).name()));
    connect(m_backgroundSwatch, &QPushButton::clicked, this, &ModernIconPanel::chooseBackground);

    m_previewArea = new QScrollArea;
    place(m_previewArea, QStringLiteral("PicPreview"), 4, 86, 479, 180);
    m_preview = new IconSizesPreview;
    m_preview->setObjectName(QStringLiteral("IconSizesPreview"));
    m_previewArea->setWidget(m_preview);
    m_previewArea->setBackgroundRole(QPalette::Mid);

    m_saveIco = pushButton();
    place(m_saveIco, QStringLiteral("CmdSaveIco"), 4, 272, 160, 26);
    m_favicon = pushButton();
    place(m_favicon, QStringLiteral("CmdFavicon"), 170, 272, 180, 26);
    m_saveIco->setEnabled(false);
    m_favicon->setEnabled(false);
    connect(m_saveIco, &QPushButton::clicked, this, &ModernIconPanel::saveIco);
    connect(m_favicon, &QPushButton::clicked, this, &ModernIconPanel::makeFaviconSet);

    m_siteNameLabel = new QLabel;
    place(m_siteNameLabel, QStringLiteral("LblSiteName"), 4, 302, 176, 24);
    m_siteName = new QLineEdit;
    place(m_siteName, QStringLiteral("TxtSiteName"), 182, 302, 301, 24);
    m_siteName->setEnabled(false);

    m_confirm = new QLabel;
    place(m_confirm, QStringLiteral("LblConfirm"), 4, 302 + kNameRow, 386, 30);
    m_confirm->setWordWrap(true);
    m_confirm->setTextFormat(Qt::PlainText);
    m_replace = pushButton();
    place(m_replace, QStringLiteral("CmdReplace"), 396, 304 + kNameRow, 87, 26);
    connect(m_replace, &QPushButton::clicked, this, [this] { writeFaviconSet(true); });
    hideConfirmation();

    m_linksLabel = new QLabel;
    place(m_linksLabel, QStringLiteral("LblLinks"), 4, 336 + kNameRow, 390, 22);
    m_linksLabel->setTextFormat(Qt::PlainText);
    m_copyLinks = pushButton();
    place(m_copyLinks, QStringLiteral("CmdCopyLinks"), 396, 334 + kNameRow, 87, 24);
    m_links = new QPlainTextEdit;
    place(m_links, QStringLiteral("TxtLinks"), 4, 360 + kNameRow, 479, 78);
    m_links->setReadOnly(true);
    m_links->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_links->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_links->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_links->setPlainText(faviconset::linkLines());
    fitLinkLines();
    connect(m_copyLinks, &QPushButton::clicked, this,
        [this] { emit copyRequested(m_links->toPlainText()); });
}

// The lines are copied into pages as they are: each one is shown whole, in a monospaced face
// small enough for the longest line and all four lines to fit the box.
void ModernIconPanel::fitLinkLines()
{
    const QStringList lines = m_links->toPlainText().split(QLatin1Char('\n'));
    const int margins = 2 * (m_links->frameWidth() + qCeil(m_links->document()->documentMargin()));
    const int width = m_links->width() - margins;
    const int height = m_links->height() - margins;
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (qreal points = 8; points >= 5; points -= 0.25) {
        mono.setPointSizeF(points);
        const QFontMetrics metrics(mono);
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        // A line of the document is as tall as the font's line spacing.
        if (widest < width && metrics.lineSpacing() * lines.size() <= height)
            break;
    }
    m_links->setFont(mono);
}

QString ModernIconPanel::text(const char *key) const { return captionOf(kTexts, key, m_language); }

void ModernIconPanel::applyLanguage(Language language)
{
    m_language = language == Language::Other ? Language::English : language;
    m_open->setText(text("open"));
    if (m_picture.isNull())
        m_pictureName->setText(text("none"));
    m_sizesLabel->setText(text("sizes"));
    m_centre->setText(text("centre"));
    m_crop->setText(text("crop"));
    m_backgroundLabel->setText(text("background"));
    m_saveIco->setText(text("saveIco"));
    m_favicon->setText(text("favicon"));
    m_replace->setText(text("replace"));
    m_linksLabel->setText(text("links"));
    m_copyLinks->setText(text("copy"));
    m_siteNameLabel->setText(text("siteName"));
}

QList<int> ModernIconPanel::chosenSizes() const
{
    QList<int> sizes;
    for (QCheckBox *box : m_sizes) {
        if (box->isChecked())
            sizes.append(box->text().toInt());
    }
    return sizes;
}

sourcepicture::Fit ModernIconPanel::fit() const
{
    return m_crop->isChecked() ? sourcepicture::Fit::Crop : sourcepicture::Fit::Centre;
}

void ModernIconPanel::say(const QString &message)
{
    MessageBox::show(window(), message, MessageBox::Icon::Information, m_state.AppTitle);
}

void ModernIconPanel::openPicture()
{
    hideConfirmation();
    m_dialog.FileName.clear();
    m_dialog.InitDir = m_state.chemin();
    m_dialog.DialogTitle = text("openTitle");
    m_dialog.Filter = text("openFilter");
    m_dialog.FilterIndex = 1;
    m_dialog.DefaultExt.clear();
    m_dialog.Flags
        = CommonDialog::FileMustExist | CommonDialog::HideReadOnly | CommonDialog::NoChangeDir;
    if (!m_dialog.ShowOpen())
        return;
    const QString path = m_dialog.FileName;
    const sourcepicture::Result loaded = sourcepicture::load(path);
    // A file that cannot be used changes nothing: the picture loaded before stays.
    if (loaded.error == sourcepicture::Error::TooLarge) {
        say(text("tooLarge").arg(loaded.size.width()).arg(loaded.size.height()) + m_state.NewLine
            + path);
        return;
    }
    if (loaded.error != sourcepicture::Error::None) {
        say(text("unreadable") + m_state.NewLine + path);
        return;
    }
    m_picture = loaded.picture;
    m_squares.clear();
    // The name follows the picture until the user types one of their own.
    const QString baseName = QFileInfo(path).completeBaseName();
    if (m_siteName->text().trimmed().isEmpty() || m_siteName->text() == m_baseName)
        m_siteName->setText(baseName);
    m_siteName->setEnabled(true);
    m_baseName = baseName;
    m_pictureName->setText(QStringLiteral("%1 — %2 × %3")
                               .arg(QFileInfo(path).fileName())
                               .arg(m_picture.size().width())
                               .arg(m_picture.size().height()));
    m_pictureName->setToolTip(path);
    m_saveIco->setEnabled(true);
    m_favicon->setEnabled(true);
    refreshPreview();
}

void ModernIconPanel::refreshPreview()
{
    hideConfirmation();
    // Each size is made once per picture and fit: ticking a box adds one, not all again.
    QList<QImage> pictures;
    for (int size : chosenSizes()) {
        const int key = size * 2 + (fit() == sourcepicture::Fit::Crop ? 1 : 0);
        if (!m_squares.contains(key))
            m_squares.insert(key, m_picture.square(size, fit()));
        pictures.append(m_squares.value(key));
    }
    m_preview->setPictures(pictures, m_previewArea->viewport()->width());
}

void ModernIconPanel::chooseBackground()
{
    m_dialog.Color = m_background;
    if (!m_dialog.ShowColor())
        return;
    m_background = m_dialog.Color;
    m_backgroundSwatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #808080;")
                                          .arg(toQColor(m_background).name()));
}

void ModernIconPanel::saveIco()
{
    hideConfirmation();
    if (chosenSizes().isEmpty()) {
        say(text("noSize"));
        return;
    }
    m_dialog.FileName = AppState::joinPath(m_state.chemin(), m_baseName + QStringLiteral(".ico"));
    m_dialog.DialogTitle = text("icoTitle");
    m_dialog.Filter = text("icoFilter");
    m_dialog.FilterIndex = 1;
    m_dialog.DefaultExt = QStringLiteral("ico");
    m_dialog.Flags = CommonDialog::OverwritePrompt | CommonDialog::PathMustExist
        | CommonDialog::HideReadOnly | CommonDialog::NoChangeDir;
    if (!m_dialog.ShowSave())
        return;
    const QString path = m_dialog.FileName;
    if (multiicon::writeIco(path, m_picture, chosenSizes(), fit()))
        say(text("icoSaved") + m_state.NewLine + path);
    else
        say(text("notSaved") + m_state.NewLine + path);
}

void ModernIconPanel::makeFaviconSet()
{
    hideConfirmation();
    m_dialog.FileName = AppState::joinPath(m_state.chemin(), QStringLiteral("favicon.ico"));
    m_dialog.DialogTitle = text("faviconTitle");
    m_dialog.Filter = text("icoFilter");
    m_dialog.FilterIndex = 1;
    m_dialog.DefaultExt = QStringLiteral("ico");
    // Replacing is confirmed here for the whole set, not by the dialog for one file.
    m_dialog.Flags
        = CommonDialog::PathMustExist | CommonDialog::HideReadOnly | CommonDialog::NoChangeDir;
    if (!m_dialog.ShowSave())
        return;
    m_faviconFolder = QFileInfo(m_dialog.FileName).absolutePath();
    writeFaviconSet(false);
}

void ModernIconPanel::writeFaviconSet(bool replaceConfirmed)
{
    hideConfirmation();
    const QRgb background = toQColor(m_background).rgb();
    const faviconset::WriteResult result = faviconset::write(m_faviconFolder,
        faviconset::build(
            m_picture, fit(), background, faviconset::siteName(m_siteName->text(), m_baseName)),
        replaceConfirmed);
    switch (result.status) {
    case faviconset::WriteResult::Status::NeedsConfirmation:
        m_confirm->setText(text("confirm").arg(result.existing.join(QStringLiteral(", "))));
        m_confirm->show();
        m_replace->show();
        return;
    case faviconset::WriteResult::Status::Written:
        say(text("setSaved") + m_state.NewLine + QDir::toNativeSeparators(m_faviconFolder));
        return;
    case faviconset::WriteResult::Status::Failed:
        say(text("notSaved") + m_state.NewLine
            + QDir::toNativeSeparators(QDir(m_faviconFolder).filePath(result.failedFile))
            + m_state.NewLine + text("nothingChanged"));
        return;
    }
}

void ModernIconPanel::hideConfirmation()
{
    m_confirm->hide();
    m_replace->hide();
}
