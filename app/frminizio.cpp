#include "app/frminizio.h"

#include "app/finestre.h"
#include "app/frmautore.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "forms/colori.h"
#include "forms/keys.h"
#include "forms/pushkey.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
using namespace Colori;

const char* const Didascalie[FrmInizio::NumeroModi] = {
    QT_TRANSLATE_NOOP("FrmInizio", "INSIEME VUOTO (  )"), QT_TRANSLATE_NOOP("FrmInizio", "AGGIUNGI ELEMENTI (+)"),
    QT_TRANSLATE_NOOP("FrmInizio", "TOGLI ELEMENTI (-)"), QT_TRANSLATE_NOOP("FrmInizio", "E S C I ")};

} // namespace

const char* const FrmInizio::Versione = "Vers. " TARVELLO_VERSIONE;

FrmInizio::FrmInizio()
    : Form(tr("GLI INSIEMI"), QSizeF(11910, 8280), Rosa, Placement::Maximized,
           Layout::Proportional)
{
    // Listed front to back.
    costruisciTendine();
    costruisciTitolo();
    costruisciModi();
    costruisciPiede();
    stackInListOrder();

    for (int i = 0; i + 1 < NumeroModi; ++i)
        setTabOrder(Option1[i], Option1[i + 1]);
    buildMenu();
}

void FrmInizio::costruisciTendine()
{
    Picture1 = place(new ColourBox(Magenta), nullptr, QRectF(0, 0, 120, 8280), Kind::PictureBox,
                     QStringLiteral("Picture1"), Dock::Left);
    Picture2 = place(new ColourBox(Magenta), nullptr, QRectF(11685, 0, 228, 8280), Kind::PictureBox,
                     QStringLiteral("Picture2"), Dock::Right);
    timerTendine.setObjectName(QStringLiteral("timerTendine"));
    timerTendine.setInterval(Tendine::Intervallo);
    timerTendine.setTimerType(Qt::PreciseTimer);
    connect(&timerTendine, &QTimer::timeout, this, &FrmInizio::tickTendine);
}

void FrmInizio::costruisciTitolo()
{
    frmTitolo = place(new Frame(Rosa), nullptr, QRectF(0, 0, 11745, 1485), Kind::Frame,
                      QStringLiteral("frmTitolo"));
    Label2 = place(makeLabel(QString(), makeFont("Arial", 12), Blu), frmTitolo,
                   QRectF(9090, 480, 1995, 375), Kind::Label, QStringLiteral("Label2"));
    Label4 = place(makeLabel(tr("TARVELLO"), makeFont("Arial", 36, true), Blu, Rosa,
                             Qt::AlignHCenter | Qt::AlignTop),
                   frmTitolo, QRectF(525, 240, 7470, 765), Kind::Label, QStringLiteral("Label4"));
    Shape2 = place(new Shape(Rosa, Magenta, 1, 12), frmTitolo, QRectF(210, 120, 8250, 1185),
                   Kind::Shape, QStringLiteral("Shape2"));
    Shape1 = place(new Shape(Magenta, Magenta, 3, 12), frmTitolo, QRectF(210, 120, 8325, 1245),
                   Kind::Shape, QStringLiteral("Shape1"));
    Shape4 = place(new Shape(Rosa, Magenta, 1, 12), frmTitolo, QRectF(8940, 120, 2310, 1185),
                   Kind::Shape, QStringLiteral("Shape4"));
    Shape3 = place(new Shape(Magenta, Magenta, 3, 12), frmTitolo, QRectF(8940, 120, 2385, 1245),
                   Kind::Shape, QStringLiteral("Shape3"));
}

void FrmInizio::costruisciModi()
{
    Frame1 = place(new Frame(Rosa), nullptr, QRectF(6465, 2565, 5385, 4095), Kind::Frame,
                   QStringLiteral("Frame1"));
    const QRectF posti[NumeroModi] = {{405, 150, 4620, 795}, {420, 1110, 4620, 795},
                                      {420, 2055, 4620, 795}, {120, 3000, 4935, 795}};
    for (int i : {1, 0, 2, 3}) {
        auto* key = new PushKey(tr(Didascalie[i]), Rosa);
        key->setFont(makeFont("Arial", 15.75, true));
        key->setFocusColor(Magenta);
        Option1[i] = place(key, Frame1, posti[i], Kind::OptionButton, QStringLiteral("Option1[%1]").arg(i));
        connect(key, &PushKey::mouseDown, this, [this, i] { AvviaScelta(qint16(i)); });
        connect(key, &PushKey::mouseUp, this, [this] { TastoInCorso = false; });
        connect(key, &PushKey::keyDown, this, [this, i](int& codice) { optionKeyDown(i, codice); });
        connect(key, &PushKey::keyPress, this, [this, i](int& carattere) { optionKeyPress(i, carattere); });
        connect(key, &PushKey::keyUp, this, [this] { TastoInCorso = SpazioInCorso = false; });
    }
    Option1[0]->setBackColor(Magenta);
    const QRectF segni[3] = {{0, 195, 330, 705}, {15, 1155, 330, 705}, {0, 2100, 330, 705}};
    const QColor coloriSegni[3] = {Colori::Bianco, Colori::Rosso, QColor(192, 255, 192)};
    // The markers have no text; a listener hears which key each one marks.
    const char* const nomiSegni[3] = {QT_TR_NOOP("Segno bianco: insieme vuoto"), QT_TR_NOOP("Segno rosso: aggiungi elementi"),
                                      QT_TR_NOOP("Segno verde: togli elementi")};
    for (int i = 0; i < 3; ++i) {
        Label1[i] = place(makeLabel(QString(), font(), Qt::black, coloriSegni[i]), Frame1, segni[i],
                          Kind::Label, QStringLiteral("Label1[%1]").arg(i));
        Label1[i]->setAccessibleName(tr(nomiSegni[i]));
    }
}

void FrmInizio::costruisciPiede()
{
    Label5 = place(makeLabel(tr("Realizzato dagli sviluppatori di Tarvello"),
                             makeFont("Arial", 21.75, true), QColor(128, 0, 0), Magenta,
                             Qt::AlignHCenter | Qt::AlignTop),
                   nullptr, QRectF(0, 7425, 12030, 465), Kind::Label, QStringLiteral("Label5"));
    Image1 = place(new ImageBox(true), nullptr, QRectF(60, 2625, 5985, 3870), Kind::Image,
                   QStringLiteral("Image1"));
    Image1->setPicture(Picture::fromSvg(QStringLiteral(":/assets/inizio.svg")));
    Image1->setAccessibleName(tr("Un insieme di dieci alberi"));
}

void FrmInizio::buildMenu()
{
    QMenu* schede = menuBar()->addMenu(tr("Stampa schede"));
    mnuStampaSchede = schede->menuAction();
    mnuStampaSchede->setObjectName(QStringLiteral("mnuStampaSchede"));
    MnuVuoto = schede->addAction(tr("insieme vuoto"));
    MnuVuoto->setObjectName(QStringLiteral("MnuVuoto"));
    connect(MnuVuoto, &QAction::triggered, this, [this] { loadForm<frmStampaSchede>().showModeless(this); });
    mnuAggiungi = schede->addAction(tr("aggiungi elementi"));
    mnuAggiungi->setObjectName(QStringLiteral("mnuAggiungi"));
    mnuTogli = schede->addAction(tr("togli elementi"));
    mnuTogli->setObjectName(QStringLiteral("mnuTogli"));
    connect(mnuAggiungi, &QAction::triggered, this, [this] { loadForm<frmStampaSchede2>().showModeless(this); });
    connect(mnuTogli, &QAction::triggered, this, [this] { loadForm<frmStampaSchede3>().showModeless(this); });
    mnuInfo = menuBar()->addAction(tr("About"));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    connect(mnuInfo, &QAction::triggered, this, [] { loadForm<frmAutore>().showModal(); });
}

void FrmInizio::onLoad()
{
    Label2->setText(QString::fromLatin1(Versione));
    Option1[0]->setFocus();
}

void FrmInizio::onUnload()
{
    timerTendine.stop();
    ChiudiTutto();
}

void FrmInizio::onResize()
{
    Form::onResize();
    AvviaTendine();
}

void FrmInizio::AvviaTendine()
{
    tendine_.avvia(outerWidth());
    setControlWidth(Picture1, tendine_.sinistra);
    setControlWidth(Picture2, tendine_.destra);
    timerTendine.start();
}

void FrmInizio::tickTendine()
{
    tendine_.passo();
    setControlWidth(Picture1, tendine_.sinistra);
    setControlWidth(Picture2, tendine_.destra);
    if (!tendine_.inCorso)
        timerTendine.stop();
}

void FrmInizio::AvviaScelta(qint16 indice)
{
    esercizio().ScegliTipo(indice);
    if (indice >= InsiemeVuoto && indice <= Togliere) {
        finestraEsercizio().ApriDa(this);
    } else if (indice == Uscita) {
        ChiudiTutto();
    }
}

void FrmInizio::optionKeyDown(int indice, int& codice)
{
    if (TastoInCorso)
        return;
    if (codice == Keys::Tab)
        Option1[indice]->setFocus();
    const bool cifra = (codice >= Keys::Digit1 && codice < Keys::Digit1 + NumeroModi);
    const bool tastierino = (codice >= Keys::Keypad1 && codice < Keys::Keypad1 + NumeroModi);
    if (!cifra && !tastierino && codice != Keys::F2 && codice != Keys::F3 && codice != Keys::Enter) {
        codice = 0;
        return;
    }
    // Latched before acting: Enter may open another window, which takes the release.
    TastoInCorso = true;
    if (cifra)
        Option1[codice - Keys::Digit1]->setFocus();
    else if (tastierino)
        Option1[codice - Keys::Keypad1]->setFocus();
    else if (codice == Keys::Enter)
        AvviaScelta(qint16(indice));
}

void FrmInizio::optionKeyPress(int indice, int& carattere)
{
    if (Keys::spaceOnce(carattere, SpazioInCorso))
        Option1[(indice + 1) % NumeroModi]->setFocus();
}

void FrmInizio::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    // A key pressed here whose release goes to another window (Enter opening the exercise)
    // must not leave the next press on this window dead.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        TastoInCorso = SpazioInCorso = false;
}
