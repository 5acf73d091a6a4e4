#include "app/frmautore.h"

#include "forms/controls.h"
#include "forms/pushkey.h"

namespace {
const QColor TestoBlu(0, 0, 192);
}

frmAutore::frmAutore()
    : Form(tr("Autore"), QSizeF(6975, 3510), QColor(192, 255, 255), Placement::Centred,
           Layout::Fixed)
{
    const QFont normale = makeFont("Arial", 18);
    const QFont grassetto = makeFont("Arial", 18, true);
    Label1 = place(makeLabel(tr("Sito dell'autore:"), normale, Qt::black), nullptr,
                   QRectF(200, 465, 4455, 435), Kind::Label, QStringLiteral("Label1"));
    Label2 = place(makeLabel(QStringLiteral(TARVELLO_SITO), grassetto, TestoBlu), nullptr,
                   QRectF(165, 945, 6795, 510), Kind::Label, QStringLiteral("Label2"));
    Label3 = place(makeLabel(tr("Email:"), normale, Qt::black), nullptr,
                   QRectF(225, 1860, 1350, 435), Kind::Label, QStringLiteral("Label3"));
    Label4 = place(makeLabel(QStringLiteral(TARVELLO_EMAIL), grassetto, TestoBlu), nullptr,
                   QRectF(180, 2310, 5955, 510), Kind::Label, QStringLiteral("Label4"));
    Command1 = new PushKey(tr("C h i u d i"), QColor(128, 255, 255), PushKey::Acts::OnClick);
    Command1->setFont(makeFont("Arial", 12));
    place(Command1, nullptr, QRectF(1845, 2940, 2700, 345), Kind::CommandButton, QStringLiteral("Command1"));
    connect(Command1, &PushKey::clicked, this, &Form::unload);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setFocusPolicy(Qt::NoFocus);
    Command1->setFocus();
}
