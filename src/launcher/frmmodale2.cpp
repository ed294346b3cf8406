#include "launcher/frmmodale2.h"

#include "launcher/frmmodale2texts.h"
#include "ui/captions.h"

#include "controls/dirlistbox.h"
#include "controls/label.h"
#include "text/language.h"
#include "ui/appstate.h"
#include "ui/controls.h"

#include <QPushButton>

using namespace frmmodale2texts;

namespace {
}

FrmModale2::FrmModale2(AppState &state, const QString &initialDir, QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_state(state)
    , m_initialDir(initialDir)
{
    setObjectName(QStringLiteral("FrmModale2"));
    setWindowTitle(QStringLiteral("Save pictures to directory"));
    setModal(true);
    twips::setClientSize(this, 4680, 4770);
    setFixedSize(size());

    Dir1 = makeControl<DirListBox>(this, QStringLiteral("Dir1"), 0, 0, 4635, 3450);
    LblChemin = makeControl<Label>(this, QStringLiteral("LblChemin"), 30, 3480, 4605, 315);
    LblChemin->setSunken(true);
    CmdAnnule = makeControl<QPushButton>(this, QStringLiteral("CmdAnnule"), 1260, 4080, 1155, 375);
    CmdAnnule->setAutoDefault(false);
    CmdOK = makeControl<QPushButton>(this, QStringLiteral("CmdOK"), 2640, 4080, 1155, 375);
    CmdOK->setAutoDefault(false);
    applyCaptions(this, kCaptions, Language::English); // the designed captions

    connect(Dir1, &DirListBox::changed, this, &FrmModale2::Dir1_Change);
    connect(CmdOK, &QPushButton::clicked, this, &FrmModale2::CmdOK_Click);
    connect(CmdAnnule, &QPushButton::clicked, this, &FrmModale2::CmdAnnule_Click);

    Form_Load();
}

void FrmModale2::Form_Load()
{
    centreWindow(this);
    Dir1->setPath(m_initialDir);
    CmdOK->setEnabled(false);
    const Language lang = m_state.language();
    if (lang == Language::French || lang == Language::Spanish)
        applyCaptions(this, kCaptions, lang);
}

void FrmModale2::Dir1_Change()
{
    LblChemin->setText(Dir1->path());
    CmdOK->setEnabled(true);
}

void FrmModale2::CmdOK_Click() { accept(); }

QString FrmModale2::directory() const { return LblChemin->text(); }

void FrmModale2::CmdAnnule_Click() { reject(); }
