#include "picker/frmmodale1.h"

#include "base/twips.h"
#include "colour/digitentry.h"
#include "controls/label.h"
#include "ui/appstate.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QPushButton>

FrmModale1::FrmModale1(AppState &state, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_state(state)
{
    setObjectName(QStringLiteral("FrmModale1"));
    setWindowTitle(QStringLiteral("Convert a color value"));
    setModal(true);
    twips::setClientSize(this, 4350, 1980);
    setFixedSize(size());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    setPalette(pal);
    setAutoFillBackground(true);

    Lbl12 = makeControl<Label>(
        this, QStringLiteral("Lbl(12)"), 1320, 300, 1380, 345, QStringLiteral("Long data"));
    QFont calibri(QStringLiteral("Carlito"));
    calibri.setPointSizeF(11.25);
    Lbl12->setFont(calibri);

    TxtC = makeControl<QLineEdit>(this, QStringLiteral("TxtC"), 1320, 600, 1695, 390);
    QFont courier(QStringLiteral("Liberation Mono"));
    courier.setPointSizeF(12);
    TxtC->setFont(courier);
    TxtC->setAlignment(Qt::AlignCenter);
    // The eight-character limit is applied after filtering (see TxtC_Change), so the box
    // itself takes any paste.

    CmdOK = makeControl<QPushButton>(
        this, QStringLiteral("CmdOK"), 2280, 1380, 1155, 375, QStringLiteral("Validate"));
    CmdOK->setDefault(true);
    CmdOK->setEnabled(false);
    CmdAnnule = makeControl<QPushButton>(
        this, QStringLiteral("CmdAnnule"), 900, 1380, 1155, 375, QStringLiteral("Cancel"));
    CmdAnnule->setAutoDefault(false);

    setTabOrder(TxtC, CmdAnnule);
    setTabOrder(CmdAnnule, CmdOK);
    TxtC->setFocus(Qt::OtherFocusReason);

    connect(TxtC, &QLineEdit::textChanged, this, &FrmModale1::TxtC_Change);
    connect(CmdOK, &QPushButton::clicked, this, &FrmModale1::CmdOK_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &FrmModale1::CmdAnnule_Click);

    Form_Load();
}

void FrmModale1::Form_Load() { centreWindow(this); }

void FrmModale1::TxtC_Change()
{
    // Replacing the text raises the change again; the outer run has already done the work.
    if (m_changeDepth > 0)
        return;
    ++m_changeDepth;
    const QString raw = TxtC->text();
    const QString digits = removeNonDigits(raw);
    const LimitedText limited = limitInsertion(m_lastText, digits, kMaxDigits);
    if (limited.text != raw) {
        TxtC->setText(limited.text);
        // Characters removed: the caret goes to the end; an insertion only cut short stays
        // where the kept part ends.
        TxtC->setCursorPosition(digits != raw ? int(limited.text.size()) : limited.cursor);
    }
    m_lastText = limited.text;
    CmdOK->setEnabled(!limited.text.isEmpty());
    --m_changeDepth;
}

void FrmModale1::CmdOK_Click()
{
    if (TxtC->text().isEmpty())
        return;
    // At most eight digits: always within 32 bits.
    m_value = int32_t(TxtC->text().toLong(nullptr, 10));
    accept();
}

void FrmModale1::CmdAnnule_Click() { reject(); }
