#include "gradient/gradientstudio.h"

#include "gradient/gradientstudiotexts.h"

#include "base/colorconv.h"
#include "colour/cssnotation.h"
#include "controls/commondialog.h"
#include "controls/messagebox.h"
#include "gradient/gradientcss.h"
#include "gradient/gradientexport.h"
#include "gradient/gradientrender.h"
#include "gradient/stopbar.h"
#include "platform/clipboard.h"
#include "platform/screenservices.h"
#include "ui/appstate.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardItemModel>

#include <cmath>

using namespace gradientmodel;
using namespace gradientstudiotexts;

namespace {

constexpr int kHeight = 448;
constexpr int kPreviewHeight = 120;

const char *const kShapes[] = { "linear", "circle", "ellipse", "conic" };
const char *const kSizes[]
    = { "closest-side", "closest-corner", "farthest-side", "farthest-corner", "given" };
const char *const kMixes[] = { "srgb", "srgb-linear", "oklab", "oklch", "oklch-longer" };

// The stop's colour as the colour field shows it: hex when opaque, else rgb() with alpha.
QString colourText(const Stop &s)
{
    const QString hex = cssnotation::format(s.bgr, cssnotation::Notation::Hex);
    if (s.alpha >= 1)
        return hex;
    return QStringLiteral("rgb(%1 %2 %3 / %4)")
        .arg(s.bgr & 0xFF)
        .arg((s.bgr >> 8) & 0xFF)
        .arg((s.bgr >> 16) & 0xFF)
        .arg(QString::number(s.alpha, 'g', 3));
}

QDoubleSpinBox *spin(double low, double high, const QString &suffix)
{
    auto *box = new QDoubleSpinBox;
    box->setRange(low, high);
    box->setDecimals(1);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

GradientStudio::GradientStudio(AppState &state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("GradientStudio"));
    m_gradient.angle = 90;
    buildControls();
    applyLanguage(m_state.language());
    showGradient();
}

int GradientStudio::unfoldedHeight() { return kHeight; }

QString GradientStudio::text(const char *key) const { return captionOf(kTexts, key, m_language); }

void GradientStudio::buildControls()
{
    auto named = [](auto *w, const char *name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 4, 6, 4);
    rows->setSpacing(4);
    // One row of controls at their natural widths; `stretch` widgets share what is left.
    auto row = [rows](std::initializer_list<std::pair<QWidget *, int>> items) {
        auto *line = new QHBoxLayout;
        for (const auto &[widget, stretch] : items)
            line->addWidget(widget, stretch);
        rows->addLayout(line);
    };

    m_stopsLabel = named(new QLabel, "LblStops");
    m_stopsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bar = new StopBar;
    row({ { m_stopsLabel, 0 }, { m_bar, 1 } });

    m_positionLabel = named(new QLabel, "LblPosition");
    m_position = named(spin(0, 100, QStringLiteral(" %")), "SpnPosition");
    m_colourLabel = named(new QLabel, "LblColour");
    m_colour = named(new QLineEdit, "TxtColour");
    m_choose = named(new QPushButton, "CmdChoose");
    m_remove = named(new QPushButton, "CmdRemove");
    row({ { m_positionLabel, 0 }, { m_position, 0 }, { m_colourLabel, 0 }, { m_colour, 1 },
        { m_choose, 0 }, { m_remove, 0 } });

    // Drop-downs as wide as their longest item: each gets a row where it fits in every
    // language.
    auto dropDown = [&](const char *name, int items) {
        auto *box = named(new QComboBox, name);
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (int i = 0; i < items; ++i)
            box->addItem(QString());
        return box;
    };
    m_shapeLabel = named(new QLabel, "LblShape");
    m_shape = dropDown("CboShape", 4);
    m_sizeLabel = named(new QLabel, "LblSize");
    m_size = dropDown("CboSize", int(std::size(kSizes)));
    row({ { m_shapeLabel, 0 }, { m_shape, 1 }, { m_sizeLabel, 0 }, { m_size, 1 } });

    m_angleLabel = named(new QLabel, "LblAngle");
    m_angle = named(spin(-360, 360, QStringLiteral("°")), "SpnAngle");
    m_angle->setWrapping(true);
    m_centreLabel = named(new QLabel, "LblCentre");
    m_centreX = named(spin(-100, 200, QStringLiteral(" %")), "SpnCentreX");
    m_centreY = named(spin(-100, 200, QStringLiteral(" %")), "SpnCentreY");
    m_repeating = named(new QCheckBox, "ChkRepeating");
    auto *gap = new QWidget;
    row({ { m_angleLabel, 0 }, { m_angle, 0 }, { m_centreLabel, 0 }, { m_centreX, 0 },
        { m_centreY, 0 }, { gap, 1 }, { m_repeating, 0 } });

    m_mixLabel = named(new QLabel, "LblMix");
    m_mix = dropDown("CboMix", int(std::size(kMixes)));
    row({ { m_mixLabel, 0 }, { m_mix, 0 }, { new QWidget, 1 } });

    m_preview = named(new QLabel, "PicPreview");
    m_preview->setFixedHeight(kPreviewHeight);
    m_preview->setMinimumWidth(1);
    m_preview->setFrameShape(QFrame::Box);
    row({ { m_preview, 1 } });

    m_cssLabel = named(new QLabel, "LblCss");
    m_css = named(new QPlainTextEdit, "TxtCss");
    m_css->setReadOnly(true);
    m_css->setFixedHeight(64);
    m_copy = named(new QPushButton, "CmdCopyCss");
    row({ { m_cssLabel, 0 }, { m_css, 1 }, { m_copy, 0 } });

    m_pasteLabel = named(new QLabel, "LblPasteCss");
    m_paste = named(new QLineEdit, "TxtPasteCss");
    m_paste->setClearButtonEnabled(true);
    row({ { m_pasteLabel, 0 }, { m_paste, 1 } });
    m_pasteError = named(new QLabel, "LblPasteError");
    m_pasteError->setStyleSheet(QStringLiteral("color: #b00000;"));
    // Room for two lines: the longest complaint, in French, with the text it is about.
    m_pasteError->setWordWrap(true);
    m_pasteError->setFixedHeight(2 * m_pasteError->fontMetrics().lineSpacing() + 2);
    row({ { m_pasteError, 1 } });

    m_exportLabel = named(new QLabel, "LblExport");
    m_exportWidth = named(new QSpinBox, "SpnExportWidth");
    m_exportHeight = named(new QSpinBox, "SpnExportHeight");
    for (QSpinBox *side : { m_exportWidth, m_exportHeight })
        side->setRange(1, gradientexport::kMaxSide);
    m_exportWidth->setValue(1920);
    m_exportHeight->setValue(1080);
    m_export = named(new QPushButton, "CmdExport");
    auto *times = new QLabel(QStringLiteral("×"));
    row({ { m_exportLabel, 0 }, { m_exportWidth, 0 }, { times, 0 }, { m_exportHeight, 0 },
        { new QWidget, 1 }, { m_export, 0 } });
    rows->addStretch();

    connect(m_bar, &StopBar::stopsEdited, this, [this](const QList<Stop> &stops) {
        m_gradient.stops = stops;
        showGradient();
    });
    connect(m_bar, &StopBar::currentChanged, this, &GradientStudio::showStop);
    connect(m_bar, &StopBar::colourDialogRequested, this, &GradientStudio::chooseColour);
    connect(m_bar, &StopBar::pasteRequested, this, &GradientStudio::pasteColour);
    connect(m_position, &QDoubleSpinBox::valueChanged, this, [this](double percent) {
        if (m_showing)
            return;
        m_gradient.stops[m_bar->current()].position = percent / 100;
        // The bar puts the stops back in order and keeps the chosen one.
        const int current = m_bar->current();
        QList<Stop> stops = m_gradient.stops;
        const Stop moved = stops.takeAt(current);
        qsizetype at = 0;
        while (at < stops.size() && stops[at].position <= moved.position)
            ++at;
        stops.insert(at, moved);
        m_gradient.stops = stops;
        showGradient();
        m_bar->setCurrent(int(at));
    });
    connect(m_colour, &QLineEdit::textEdited, this, &GradientStudio::colourEdited);
    connect(m_choose, &QPushButton::clicked, this, &GradientStudio::chooseColour);
    connect(m_remove, &QPushButton::clicked, this, [this] {
        if (m_gradient.stops.size() <= kMinStops)
            return;
        m_gradient.stops.removeAt(m_bar->current());
        showGradient();
    });
    for (QComboBox *box : { m_shape, m_size, m_mix })
        connect(box, &QComboBox::currentIndexChanged, this, &GradientStudio::readShape);
    connect(m_repeating, &QCheckBox::toggled, this, &GradientStudio::readShape);
    for (QDoubleSpinBox *box : { m_angle, m_centreX, m_centreY })
        connect(box, &QDoubleSpinBox::valueChanged, this, &GradientStudio::readShape);
    connect(m_angle, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!m_showing)
            m_gradient.corner = Gradient::Corner::None;
    });
    connect(m_copy, &QPushButton::clicked, this,
        [this] { emit copyRequested(gradientcss::declarations(m_gradient)); });
    connect(m_paste, &QLineEdit::textEdited, this, &GradientStudio::cssPasted);
    connect(m_paste, &QLineEdit::returnPressed, this, &GradientStudio::cssPasted);
    connect(m_export, &QPushButton::clicked, this, &GradientStudio::exportPicture);
}

void GradientStudio::applyLanguage(Language language)
{
    m_language = language;
    const std::pair<QWidget *, const char *> captions[] = { { m_stopsLabel, "stops" },
        { m_positionLabel, "position" }, { m_colourLabel, "colour" }, { m_choose, "choose" },
        { m_remove, "remove" }, { m_shapeLabel, "shape" }, { m_repeating, "repeating" },
        { m_angleLabel, "angle" }, { m_centreLabel, "centre" }, { m_sizeLabel, "size" },
        { m_mixLabel, "mix" }, { m_cssLabel, "css" }, { m_copy, "copy" }, { m_pasteLabel, "paste" },
        { m_export, "export" }, { m_exportLabel, "exportSize" } };
    for (const auto &[widget, key] : captions) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(text(key));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(text(key));
    }
    m_bar->setToolTip(text("stopsTip"));
    m_colour->setToolTip(text("colourTip"));
    m_paste->setToolTip(text("pasteTip"));
    m_paste->setPlaceholderText(text("pasteTip"));
    for (int i = 0; i < 4; ++i)
        m_shape->setItemText(i, text(kShapes[i]));
    for (int i = 0; i < int(std::size(kSizes)); ++i)
        m_size->setItemText(i, text(kSizes[i]));
    for (int i = 0; i < 5; ++i)
        m_mix->setItemText(i, text(kMixes[i]));
    cssPasted();
}

void GradientStudio::setGradient(const Gradient &gradient)
{
    m_gradient = gradient;
    showGradient();
}

void GradientStudio::showGradient()
{
    m_showing = true;
    const Gradient &g = m_gradient;
    const int shape = g.kind == Kind::Linear ? 0
        : g.kind == Kind::Conic              ? 3
        : g.ending == Ending::Circle         ? 1
                                             : 2;
    m_shape->setCurrentIndex(shape);
    m_repeating->setChecked(g.repeating);
    m_size->setCurrentIndex(int(g.extent));
    // The radii pasted with the CSS, while there are any.
    if (auto *items = qobject_cast<QStandardItemModel *>(m_size->model()))
        items->item(int(Extent::Given))->setEnabled(g.radiusX > 0);
    m_mix->setCurrentIndex(g.space == Space::Oklch && g.hue == Hue::Longer ? 4 : int(g.space));
    m_angle->setValue(g.angle);
    m_centreX->setValue(g.centreX * 100);
    m_centreY->setValue(g.centreY * 100);
    m_angle->setEnabled(g.kind != Kind::Radial);
    m_centreX->setEnabled(g.kind != Kind::Linear);
    m_centreY->setEnabled(g.kind != Kind::Linear);
    m_size->setEnabled(g.kind == Kind::Radial);
    m_bar->setGradient(g);
    m_remove->setEnabled(g.stops.size() > kMinStops);
    m_css->setPlainText(gradientcss::declarations(g));
    m_showing = false;
    showStop();
    refreshPreview();
}

void GradientStudio::showStop()
{
    const bool wasShowing = m_showing;
    m_showing = true;
    const Stop &s = m_gradient.stops[m_bar->current()];
    m_position->setValue(s.position * 100);
    if (!m_colour->hasFocus())
        m_colour->setText(colourText(s));
    m_showing = wasShowing;
}

void GradientStudio::readShape()
{
    if (m_showing)
        return;
    Gradient &g = m_gradient;
    const int shape = m_shape->currentIndex();
    g.kind = shape == 0 ? Kind::Linear : shape == 3 ? Kind::Conic : Kind::Radial;
    g.ending = shape == 1 ? Ending::Circle : Ending::Ellipse;
    g.repeating = m_repeating->isChecked();
    g.extent = Extent(m_size->currentIndex());
    const int mix = m_mix->currentIndex();
    g.space = mix == 4 ? Space::Oklch : Space(mix);
    g.hue = mix == 4 ? Hue::Longer : Hue::Shorter;
    g.angle = m_angle->value();
    g.centreX = m_centreX->value() / 100;
    g.centreY = m_centreY->value() / 100;
    showGradient();
}

void GradientStudio::colourEdited()
{
    const auto colour = cssnotation::parseTranslucent(m_colour->text());
    m_colour->setStyleSheet(
        colour ? QString() : QStringLiteral("QLineEdit { background: #ffd8d8; }"));
    if (colour)
        setCurrentColour(*colour);
}

void GradientStudio::setCurrentColour(const cssnotation::Translucent &colour)
{
    Stop &s = m_gradient.stops[m_bar->current()];
    s.bgr = colour.bgr;
    s.alpha = colour.alpha;
    showGradient();
}

void GradientStudio::chooseColour()
{
    CommonDialog dialog(this);
    dialog.CancelError = true;
    dialog.Color = m_gradient.stops[m_bar->current()].bgr;
    if (!dialog.ShowColor())
        return;
    m_gradient.stops[m_bar->current()].bgr = dialog.Color;
    m_colour->clearFocus();
    showGradient();
}

void GradientStudio::pasteColour()
{
    const auto colour = cssnotation::parseTranslucent(ScreenServices::current().clipboard().text());
    if (colour)
        setCurrentColour(*colour);
}

void GradientStudio::cssPasted()
{
    const QString typed = m_paste->text().trimmed();
    if (typed.isEmpty()) {
        m_pasteError->clear();
        return;
    }
    const auto read = gradientcss::read(typed);
    if (const auto *error = std::get_if<gradientcss::ReadError>(&read)) {
        m_pasteError->setText(gradientcss::describe(*error, m_language));
        return;
    }
    m_pasteError->clear();
    // Positions in pixels become percentages of the exported picture.
    setGradient(
        inFractions(std::get<Gradient>(read), m_exportWidth->value(), m_exportHeight->value()));
}

void GradientStudio::refreshPreview()
{
    const QSize size = m_preview->contentsRect().size();
    if (size.isEmpty())
        return;
    const QImage picture
        = gradientrender::render(m_gradient, size, gradientrender::Dither::Ordered);
    QPixmap shown(size);
    shown.fill(Qt::white);
    QPainter p(&shown);
    if (gradientrender::hasAlpha(m_gradient)) {
        for (int y = 0; y < size.height(); y += 8)
            for (int x = (y / 8 % 2) * 8; x < size.width(); x += 16)
                p.fillRect(x, y, 8, 8, QColor(0xCC, 0xCC, 0xCC));
    }
    p.drawImage(0, 0, picture);
    p.end();
    m_preview->setPixmap(shown);
}

void GradientStudio::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refreshPreview();
}

void GradientStudio::exportPicture()
{
    CommonDialog dialog(this);
    dialog.CancelError = true;
    dialog.Filter = text("filter");
    dialog.FilterIndex = 1;
    dialog.DefaultExt = QStringLiteral("png");
    dialog.FileName = AppState::joinPath(m_state.chemin(), QStringLiteral("gradient.png"));
    dialog.Flags = CommonDialog::Explorer | CommonDialog::PathMustExist | CommonDialog::HideReadOnly
        | CommonDialog::OverwritePrompt;
    if (!dialog.ShowSave())
        return;
    const QString format = gradientexport::formatOf(dialog.FileName);
    if (format.isEmpty()) {
        MessageBox::show(
            this, text("notPngOrWebp"), MessageBox::Icon::Information, m_state.AppTitle);
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QByteArray bytes = gradientexport::encode(
        gradientrender::render(m_gradient, QSize(m_exportWidth->value(), m_exportHeight->value()),
            gradientrender::Dither::Ordered),
        format);
    QSaveFile file(dialog.FileName);
    const bool saved = !bytes.isEmpty() && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size() && file.commit();
    QGuiApplication::restoreOverrideCursor();
    if (!saved)
        MessageBox::show(this, captionOf(kCouldNotSave, m_language), MessageBox::Icon::Information,
            m_state.AppTitle);
}
