#include "register/frmregistro.h"

#include "forms/messagebox.h"
#include "printing/pdffile.h"
#include "printing/savedialog.h"
#include "register/accessoregistro.h"
#include "register/grafico.h"
#include "register/modelloriepilogo.h"
#include "register/paginaregistro.h"
#include "registro/connessione.h"
#include "register/pin.h"
#include "registro/elencodelpc.h"
#include "registro/esporta.h"
#include "registro/invio.h"
#include "registro/registratore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace {

// The recorder's warning is kept until the teacher has read it, then set empty.
const QString AvvisoRegistro = QStringLiteral("avviso_registro");
// The last 30 days, today included.
constexpr int GiorniPredefiniti = 30;

// Wrong PINs in a row in this run: closing the window and opening it again does not start the
// wait afresh.
int& errori()
{
    static int n = 0;
    return n;
}

// What the register holds when the window opens, read at once.
struct Apertura
{
    bool pinImpostato = false;
    QString avviso;
};

struct Elenco
{
    QList<Classe> classi;
    QUuid classeDelPc;
    int inAttesa = -1; // answers of this PC not yet on the school's server
};

// The outcome of a change: ok, or why not.
struct Esito
{
    bool ok = false;
    QString errore;
    int quanti = 0;
};

QString oggi() { return QDate::currentDate().toString(Qt::ISODate); }

// A name for a file from a class's name, without what a file system refuses.
QString perFile(const QString& nome)
{
    QString s = nome.trimmed();
    s.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\s]+")), QStringLiteral("-"));
    return s;
}

QLabel* etichetta(const QString& testo, QWidget* compagno)
{
    auto* l = new QLabel(testo);
    l->setBuddy(compagno);
    return l;
}

// A small form in the middle of a page, a little above the centre.
QWidget* alCentro(QWidget* riquadro, const QString& nome)
{
    auto* pagina = new QWidget;
    pagina->setObjectName(nome);
    riquadro->setMaximumWidth(480);
    auto* centro = new QGridLayout(pagina);
    centro->addWidget(riquadro, 1, 1);
    centro->setRowStretch(0, 1);
    centro->setRowStretch(2, 2);
    centro->setColumnStretch(0, 1);
    centro->setColumnStretch(2, 1);
    return pagina;
}

QLabel* esito(const QString& nome)
{
    auto* l = new QLabel;
    l->setObjectName(nome);
    l->setWordWrap(true);
    l->setStyleSheet(QStringLiteral("color: #b00000"));
    return l;
}

// On the server, the class of this PC is copied into the PC's own file for "Chi sei?", since
// the pupils' role may not read it there: the copy is brought up to date whenever the register
// is read or the pupils change.
void aggiornaCopiaDelPc(QSqlDatabase db)
{
    if (!suServer(db))
        return;
    const QSqlDatabase locale = AccessoRegistro::fileLocale();
    const QUuid classe = Anagrafe::classeDelPc(locale);
    if (!classe.isNull())
        Anagrafe::copiaClasse(db, locale, classe);
}

} // namespace

FrmRegistro::FrmRegistro(const AccessoRegistro::Sede& sede)
    : Form(tr("Registro di Tarvello"), QSizeF(14400, 8400), QApplication::palette().color(QPalette::Window),
           Placement::Centred, Layout::Proportional),
      sede_(sede)
{
    setObjectName(QStringLiteral("FrmRegistro"));
    stkPagine = new QStackedWidget;
    stkPagine->setObjectName(QStringLiteral("stkPagine"));
    stkPagine->addWidget(paginaPin());
    stkPagine->addWidget(paginaRegistro());
    stkPagine->addWidget(paginaPassword());
    auto* layout = new QVBoxLayout(client());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stkPagine);

    lblStato = new QLabel;
    lblStato->setObjectName(QStringLiteral("lblStato"));
    // One line, whatever it is told: a long one is cut at the window's edge rather than
    // widening the window; the whole of a fault is on its page or in its message.
    lblStato->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(lblStato, 1);
    // A laptop of 1024 x 600 shows it whole, with the desktop's panel.
    setMinimumSize(760, 480);
}

FrmRegistro& FrmRegistro::apri(const AccessoRegistro::Sede& sede)
{
    auto* f = new FrmRegistro(sede);
    f->load();
    f->showModeless();
    return *f;
}

QWidget* FrmRegistro::paginaPin()
{
    txtPin = new QLineEdit;
    txtPin->setObjectName(QStringLiteral("txtPin"));
    txtPinConferma = new QLineEdit;
    txtPinConferma->setObjectName(QStringLiteral("txtPinConferma"));
    for (QLineEdit* t : {txtPin, txtPinConferma}) {
        t->setEchoMode(QLineEdit::Password);
        t->setMaxLength(Pin::MaxCifre);
        t->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
        t->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), t));
        connect(t, &QLineEdit::returnPressed, this, &FrmRegistro::confermaPin);
    }
    txtPinConferma->setAccessibleName(tr("PIN, di nuovo"));
    lblPin = etichetta(QString(), txtPin);
    lblPin->setObjectName(QStringLiteral("lblPin"));
    lblPin->setWordWrap(true);
    lblPinConferma = etichetta(tr("Scrivi di nuovo il PIN:"), txtPinConferma);
    lblPinConferma->setObjectName(QStringLiteral("lblPinConferma"));
    cmdPin = new QPushButton;
    cmdPin->setObjectName(QStringLiteral("cmdPin"));
    connect(cmdPin, &QPushButton::clicked, this, &FrmRegistro::confermaPin);
    lblPinEsito = esito(QStringLiteral("lblPinEsito"));
    timerPin = new QTimer(this);
    timerPin->setSingleShot(true);
    connect(timerPin, &QTimer::timeout, this, [this] {
        txtPin->setEnabled(true);
        cmdPin->setEnabled(true);
        lblPinEsito->setText(tr("PIN errato. Riprova."));
        txtPin->setFocus();
    });

    auto* riquadro = new QWidget;
    auto* form = new QFormLayout(riquadro);
    form->addRow(lblPin);
    form->addRow(tr("PIN:"), txtPin);
    form->addRow(lblPinConferma, txtPinConferma);
    form->addRow(QString(), cmdPin);
    form->addRow(lblPinEsito);
    txtPin->setAccessibleName(tr("PIN"));
    return alCentro(riquadro, QStringLiteral("paginaPin"));
}

QWidget* FrmRegistro::paginaPassword()
{
    txtPassword = new QLineEdit;
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setInputMethodHints(Qt::ImhSensitiveData | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    txtPassword->setAccessibleName(tr("Password"));
    connect(txtPassword, &QLineEdit::returnPressed, this, &FrmRegistro::confermaPassword);
    lblPassword = etichetta(QString(), txtPassword);
    lblPassword->setObjectName(QStringLiteral("lblPassword"));
    lblPassword->setWordWrap(true);
    cmdPassword = new QPushButton;
    cmdPassword->setObjectName(QStringLiteral("cmdPassword"));
    connect(cmdPassword, &QPushButton::clicked, this, &FrmRegistro::confermaPassword);
    lblPasswordEsito = esito(QStringLiteral("lblPasswordEsito"));

    auto* riquadro = new QWidget;
    auto* form = new QFormLayout(riquadro);
    form->addRow(lblPassword);
    form->addRow(tr("Password:"), txtPassword);
    form->addRow(QString(), cmdPassword);
    form->addRow(lblPasswordEsito);
    return alCentro(riquadro, QStringLiteral("paginaPassword"));
}

QWidget* FrmRegistro::paginaRegistro()
{
    auto* pagina = new QWidget;
    pagina->setObjectName(QStringLiteral("paginaRegistro"));
    auto* colonna = new QVBoxLayout(pagina);

    // The warning of a register set aside, until the teacher has read it.
    auto* avviso = new QHBoxLayout;
    lblAvviso = new QLabel;
    lblAvviso->setObjectName(QStringLiteral("lblAvviso"));
    lblAvviso->setWordWrap(true);
    lblAvviso->setStyleSheet(QStringLiteral("background: #fff3c4; color: #5a4000; padding: 6px; border: 1px solid #d9b44a"));
    lblAvviso->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    cmdAvvisoLetto = new QPushButton(tr("Ho letto"));
    cmdAvvisoLetto->setObjectName(QStringLiteral("cmdAvvisoLetto"));
    avviso->addWidget(lblAvviso, 1);
    avviso->addWidget(cmdAvvisoLetto);
    lblAvviso->hide();
    cmdAvvisoLetto->hide();
    connect(cmdAvvisoLetto, &QPushButton::clicked, this, [this] {
        chiedi<Esito>(
            [](QSqlDatabase) {
                Esito e;
                e.ok = Anagrafe::imposta(AccessoRegistro::fileLocale(), AvvisoRegistro, QString(), &e.errore);
                return e;
            },
            [this](const Esito&) {
                lblAvviso->hide();
                cmdAvvisoLetto->hide();
                cboClasse->setFocus();
            });
    });
    colonna->addLayout(avviso);

    // Which register the window reads, when it is the school's.
    lblServer = new QLabel;
    lblServer->setObjectName(QStringLiteral("lblServer"));
    lblServer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblServer->setVisible(sede_.server.has_value());
    colonna->addWidget(lblServer);

    // Which class, which days.
    auto* scelta = new QHBoxLayout;
    cboClasse = new QComboBox;
    cboClasse->setObjectName(QStringLiteral("cboClasse"));
    cboClasse->setAccessibleName(tr("Classe"));
    cboClasse->setMinimumContentsLength(8);
    datDal = new QDateEdit;
    datDal->setObjectName(QStringLiteral("datDal"));
    datDal->setAccessibleName(tr("Dal giorno"));
    datAl = new QDateEdit;
    datAl->setObjectName(QStringLiteral("datAl"));
    datAl->setAccessibleName(tr("Al giorno"));
    for (QDateEdit* d : {datDal, datAl}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(FormatoGiorno);
    }
    datAl->setDate(QDate::currentDate());
    datDal->setDate(QDate::currentDate().addDays(1 - GiorniPredefiniti));
    chkTutto = new QCheckBox(tr("&Tutto il registro"));
    chkTutto->setObjectName(QStringLiteral("chkTutto"));
    scelta->addWidget(etichetta(tr("&Classe:"), cboClasse));
    scelta->addWidget(cboClasse);
    scelta->addSpacing(12);
    scelta->addWidget(etichetta(tr("&dal"), datDal));
    scelta->addWidget(datDal);
    scelta->addWidget(etichetta(tr("&al"), datAl));
    scelta->addWidget(datAl);
    scelta->addWidget(chkTutto);
    scelta->addStretch(1);
    lblClasseDelPc = new QLabel;
    lblClasseDelPc->setObjectName(QStringLiteral("lblClasseDelPc"));
    scelta->addWidget(lblClasseDelPc);
    colonna->addLayout(scelta);
    connect(cboClasse, &QComboBox::currentIndexChanged, this, [this] {
        alunnoAperto_ = QUuid();
        grfAlunno->imposta(QString(), {});
        leggiRiepilogo();
    });
    connect(datDal, &QDateEdit::dateChanged, this, &FrmRegistro::leggiRiepilogo);
    connect(datAl, &QDateEdit::dateChanged, this, &FrmRegistro::leggiRiepilogo);
    connect(chkTutto, &QCheckBox::toggled, this, [this](bool tutto) {
        datDal->setEnabled(!tutto);
        datAl->setEnabled(!tutto);
        leggiRiepilogo();
    });

    // The table, and under it the chart of the pupil opened.
    modello = new ModelloRiepilogo(this);
    tblRiepilogo = new QTableView;
    tblRiepilogo->setObjectName(QStringLiteral("tblRiepilogo"));
    tblRiepilogo->setAccessibleName(tr("Riepilogo della classe"));
    tblRiepilogo->setAccessibleDescription(tr("Un alunno per riga; Invio o doppio clic mostra il suo grafico."));
    tblRiepilogo->setModel(modello);
    tblRiepilogo->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRiepilogo->setSelectionMode(QAbstractItemView::SingleSelection);
    tblRiepilogo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRiepilogo->setTabKeyNavigation(false);
    tblRiepilogo->setAlternatingRowColors(true);
    tblRiepilogo->verticalHeader()->hide();
    tblRiepilogo->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblRiepilogo->horizontalHeader()->setStretchLastSection(true);
    connect(tblRiepilogo, &QTableView::activated, this, [this](const QModelIndex& i) { apriAlunno(i.row()); });
    grfAlunno = new Grafico;
    grfAlunno->setObjectName(QStringLiteral("grfAlunno"));
    grfAlunno->imposta(QString(), {});
    auto* divisore = new QSplitter(Qt::Vertical);
    divisore->setObjectName(QStringLiteral("splRegistro"));
    divisore->addWidget(tblRiepilogo);
    divisore->addWidget(grfAlunno);
    divisore->setStretchFactor(0, 3);
    divisore->setStretchFactor(1, 2);
    divisore->setChildrenCollapsible(false);
    colonna->addWidget(divisore, 1);

    // What the teacher does with classes, pupils and answers; then what goes out of the window.
    auto tasto = [this](const QString& testo, const char* nome, void (FrmRegistro::*azione)()) {
        auto* b = new QPushButton(testo);
        b->setObjectName(QLatin1String(nome));
        if (azione)
            connect(b, &QPushButton::clicked, this, azione);
        return b;
    };
    cmdNuovaClasse = tasto(tr("&Nuova classe..."), "cmdNuovaClasse", &FrmRegistro::nuovaClasse);
    cmdAggiungiAlunni = tasto(tr("Aggiungi a&lunni..."), "cmdAggiungiAlunni", &FrmRegistro::aggiungiAlunni);
    cmdClasseDelPc = tasto(tr("Classe di &questo PC..."), "cmdClasseDelPc", &FrmRegistro::classeDelPc);
    cmdEliminaAlunno = tasto(tr("&Elimina alunno..."), "cmdEliminaAlunno", &FrmRegistro::eliminaAlunno);
    cmdEliminaPrima = tasto(tr("Elimina risposte &prima di..."), "cmdEliminaPrima", &FrmRegistro::eliminaPrima);
    cmdEsportaCsv = tasto(tr("Esp&orta CSV..."), "cmdEsportaCsv", nullptr);
    auto* menuCsv = new QMenu(cmdEsportaCsv);
    menuCsv->setObjectName(QStringLiteral("mnuEsportaCsv"));
    menuCsv->addAction(tr("Riepilogo della classe"), this, [this] { esportaCsv(false); })->setObjectName(QStringLiteral("mnuCsvRiepilogo"));
    menuCsv->addAction(tr("Tutte le risposte della classe"), this, [this] { esportaCsv(true); })->setObjectName(QStringLiteral("mnuCsvRisposte"));
    cmdEsportaCsv->setMenu(menuCsv);
    cmdStampa = tasto(tr("&Stampa..."), "cmdStampa", &FrmRegistro::stampa);
    cmdSalvaPdf = tasto(tr("Salva PD&F..."), "cmdSalvaPdf", &FrmRegistro::salvaPdf);
    auto* tasti = new QHBoxLayout;
    for (QPushButton* b : {cmdNuovaClasse, cmdAggiungiAlunni, cmdClasseDelPc, cmdEliminaAlunno, cmdEliminaPrima})
        tasti->addWidget(b);
    tasti->addStretch(1);
    for (QPushButton* b : {cmdEsportaCsv, cmdStampa, cmdSalvaPdf})
        tasti->addWidget(b);
    colonna->addLayout(tasti);
    return pagina;
}

template <class R>
void FrmRegistro::chiedi(std::function<R(QSqlDatabase)> lavoro, std::function<void(const R&)> fatto)
{
    const int id = ++ultimaRichiesta_;
    attese_.insert(id);
    aggiornaStato();
    const QString scaduto = QCoreApplication::translate(
        "FrmRegistro", "Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.");
    QTimer::singleShot(LimiteMs, this, [this, id, scaduto] {
        if (!attese_.remove(id))
            return;
        aggiornaStato();
        guasto({scaduto});
    });
    AccessoRegistro::chiedi<R>(sede_, std::move(lavoro), this,
                               [this, id, fatto = std::move(fatto)](const R& r, const AccessoRegistro::Guasto& perche) {
                                   if (!attese_.remove(id))
                                       return;
                                   aggiornaStato();
                                   if (!perche.isEmpty())
                                       guasto(perche);
                                   else
                                       fatto(r);
                               });
}

void FrmRegistro::aggiornaStato()
{
    const bool occupato = !attese_.isEmpty();
    lblStato->setText(occupato ? tr("Lettura del registro...") : QString());
    if (occupato)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void FrmRegistro::guasto(const AccessoRegistro::Guasto& perche)
{
    // The server's own words may run over several lines.
    lblStato->setText(perche.testo.simplified());
    // A server that asks its password again, the window open, goes back to asking it.
    if (modo_ == ModoPin::Aperto && !perche.password) {
        MessageBox::show(perche.testo);
        return;
    }
    if (!sede_.server) {
        lblPinEsito->setText(perche.testo);
        return;
    }
    modo_ = ModoPin::Lettura;
    stkPagine->setCurrentIndex(2);
    lblPasswordEsito->setText(perche.testo);
    // Without a password to ask, the button tries again: the network or the server may be back.
    txtPassword->setVisible(perche.password);
    txtPassword->setEnabled(true);
    cmdPassword->setEnabled(true);
    cmdPassword->setText(perche.password ? tr("&Entra") : tr("&Riprova"));
    if (perche.password)
        txtPassword->setFocus();
    else
        cmdPassword->setFocus();
}

void FrmRegistro::onLoad() { apertura(); }

void FrmRegistro::apertura()
{
    // On the school's server the guard is the teachers' role's password, which a pupil's PC
    // does not hold: a PIN kept in the server would be one for the whole school, and a PIN of
    // this PC would guard nothing that the password does not.
    if (sede_.server) {
        modo_ = ModoPin::Lettura;
        stkPagine->setCurrentIndex(2);
        lblPassword->setText(tr("Registro della scuola: %1").arg(sede_.server->descrizione()));
        lblPasswordEsito->setText(tr("Collegamento al server..."));
        txtPassword->setEnabled(false);
        cmdPassword->setEnabled(false);
        cmdPassword->setText(tr("&Entra"));
    } else {
        modoPin(ModoPin::Lettura);
    }
    chiedi<Apertura>(
        [](QSqlDatabase db) {
            return Apertura{!Anagrafe::impostazione(db, Pin::Chiave).isEmpty(),
                            avvisoRegistro(AccessoRegistro::fileLocale())};
        },
        [this](const Apertura& a) {
            lblAvviso->setText(a.avviso);
            lblAvviso->setAccessibleDescription(a.avviso);
            lblAvviso->setVisible(!a.avviso.isEmpty());
            cmdAvvisoLetto->setVisible(!a.avviso.isEmpty());
            if (sede_.server) {
                lblPasswordEsito->clear();
                entra();
            } else {
                modoPin(a.pinImpostato ? ModoPin::Chiedi : ModoPin::Imposta);
            }
        });
}

void FrmRegistro::confermaPassword()
{
    if (!sede_.server || !cmdPassword->isEnabled())
        return;
    if (txtPassword->isVisible())
        sede_.password = txtPassword->text();
    txtPassword->clear();
    apertura();
}

void FrmRegistro::onUnload() { AccessoRegistro::chiudi(sede_); }

void FrmRegistro::modoPin(ModoPin modo)
{
    modo_ = modo;
    if (modo == ModoPin::Aperto) {
        stkPagine->setCurrentIndex(1);
        cboClasse->setFocus();
        return;
    }
    stkPagine->setCurrentIndex(0);
    const bool imposta = modo == ModoPin::Imposta;
    lblPin->setText(modo == ModoPin::Lettura ? QString()
                    : imposta ? tr("È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN "
                                   "il registro non si apre, e il programma non lo può recuperare.")
                                    .arg(Pin::MinCifre)
                                    .arg(Pin::MaxCifre)
                              : tr("Scrivi il PIN del registro."));
    lblPinConferma->setVisible(imposta);
    txtPinConferma->setVisible(imposta);
    cmdPin->setText(imposta ? tr("&Imposta il PIN") : tr("&Entra"));
    txtPin->setEnabled(modo != ModoPin::Lettura);
    cmdPin->setEnabled(modo != ModoPin::Lettura);
    txtPin->setFocus();
}

void FrmRegistro::confermaPin()
{
    if (pinInVerifica_ || timerPin->isActive() || (modo_ != ModoPin::Imposta && modo_ != ModoPin::Chiedi))
        return;
    const QString pin = txtPin->text();
    if (!Pin::valido(pin)) {
        lblPinEsito->setText(tr("Il PIN ha da %1 a %2 cifre.").arg(Pin::MinCifre).arg(Pin::MaxCifre));
        txtPin->setFocus();
        txtPin->selectAll();
        return;
    }
    // Enter after the first PIN goes on to the second.
    if (modo_ == ModoPin::Imposta && txtPinConferma->text().isEmpty()) {
        lblPinEsito->clear();
        txtPinConferma->setFocus();
        return;
    }
    pinInVerifica_ = true;
    if (modo_ == ModoPin::Imposta) {
        if (txtPinConferma->text() != pin) {
            pinInVerifica_ = false;
            lblPinEsito->setText(tr("I due PIN non sono uguali: scrivili di nuovo."));
            txtPinConferma->clear();
            txtPin->clear();
            txtPin->setFocus();
            return;
        }
        lblPinEsito->setText(QString());
        chiedi<Esito>(
            [pin](QSqlDatabase db) {
                Esito e;
                // A PIN set meanwhile from another PC is not replaced.
                if (!Anagrafe::impostazione(db, Pin::Chiave).isEmpty())
                    return e;
                e.ok = Anagrafe::imposta(db, Pin::Chiave, Pin::impronta(pin), &e.errore);
                return e;
            },
            [this](const Esito& e) {
                pinInVerifica_ = false;
                txtPin->clear();
                txtPinConferma->clear();
                if (e.ok)
                    entra();
                else if (e.errore.isEmpty())
                    modoPin(ModoPin::Chiedi);
                else
                    lblPinEsito->setText(tr("Il PIN non si può salvare: %1").arg(e.errore));
            });
        return;
    }
    lblPinEsito->setText(tr("Verifica del PIN..."));
    chiedi<Esito>(
        [pin](QSqlDatabase db) {
            Esito e;
            e.ok = Pin::corrisponde(pin, Anagrafe::impostazione(db, Pin::Chiave));
            return e;
        },
        [this](const Esito& e) {
            pinInVerifica_ = false;
            txtPin->clear();
            if (e.ok) {
                errori() = 0;
                lblPinEsito->setText(QString());
                entra();
                return;
            }
            const int attesa = Pin::attesaMs(++errori());
            if (attesa == 0) {
                lblPinEsito->setText(tr("PIN errato. Riprova."));
                txtPin->setFocus();
                return;
            }
            lblPinEsito->setText(tr("PIN errato. Potrai riprovare tra %1 secondi.").arg(attesa / 1000));
            txtPin->setEnabled(false);
            cmdPin->setEnabled(false);
            timerPin->start(attesa);
        });
}

void FrmRegistro::entra()
{
    modoPin(ModoPin::Aperto);
    leggiClassi();
}

void FrmRegistro::leggiClassi(const QUuid& scelta)
{
    chiedi<Elenco>(
        [](QSqlDatabase db) {
            const QSqlDatabase locale = AccessoRegistro::fileLocale();
            aggiornaCopiaDelPc(db);
            return Elenco{Anagrafe::classi(db), Anagrafe::classeDelPc(locale),
                          suServer(db) ? Invio::inAttesa(locale) : -1};
        },
        [this, scelta](const Elenco& e) {
            if (sede_.server)
                lblServer->setText(
                    tr("Registro della scuola: %1").arg(sede_.server->descrizione()) +
                    (e.inAttesa < 0
                         ? QString()
                         : QStringLiteral("    ") + tr("Risposte di questo PC ancora da inviare: %1").arg(e.inAttesa)));
            const QUuid prima = scelta.isNull() ? (classe().isNull() ? e.classeDelPc : classe()) : scelta;
            classi_ = e.classi;
            classeDelPc_ = e.classeDelPc;
            QString nomePc;
            {
                const QSignalBlocker blocco(cboClasse);
                cboClasse->clear();
                for (const Classe& c : e.classi) {
                    cboClasse->addItem(c.nome, c.id);
                    if (c.id == e.classeDelPc)
                        nomePc = c.nome;
                }
                const int i = cboClasse->findData(prima);
                cboClasse->setCurrentIndex(i >= 0 ? i : 0);
            }
            lblClasseDelPc->setText(nomePc.isEmpty() ? tr("Classe di questo PC: nessuna («Chi sei?» spento)")
                                                     : tr("Classe di questo PC: %1").arg(nomePc));
            const bool conClassi = !e.classi.isEmpty();
            for (QWidget* w : {static_cast<QWidget*>(cboClasse), static_cast<QWidget*>(cmdAggiungiAlunni),
                               static_cast<QWidget*>(cmdEliminaAlunno), static_cast<QWidget*>(cmdStampa),
                               static_cast<QWidget*>(cmdSalvaPdf), static_cast<QWidget*>(cmdEsportaCsv)})
                w->setEnabled(conClassi);
            if (!conClassi) {
                modello->imposta({});
                lblStato->setText(tr("Il registro non ha classi: comincia con «Nuova classe...»."));
                cmdNuovaClasse->setFocus();
                return;
            }
            leggiRiepilogo();
        });
}

QUuid FrmRegistro::classe() const { return cboClasse->currentData().toUuid(); }
QString FrmRegistro::nomeClasse() const { return cboClasse->currentText(); }
QDate FrmRegistro::dal() const { return chkTutto->isChecked() ? QDate() : datDal->date(); }
QDate FrmRegistro::al() const { return chkTutto->isChecked() ? QDate() : datAl->date(); }

int FrmRegistro::rigaCorrente() const
{
    const QModelIndex i = tblRiepilogo->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void FrmRegistro::leggiRiepilogo()
{
    if (modo_ != ModoPin::Aperto || classe().isNull())
        return;
    const QUuid c = classe();
    const QDate da = dal();
    const QDate a = al();
    chiedi<QList<Consultazione::Riepilogo>>(
        [c, da, a](QSqlDatabase db) { return Consultazione::riepilogo(db, c, da, a); },
        [this, c](const QList<Consultazione::Riepilogo>& righe) {
            // An answer for a class the teacher has left meanwhile: the next one is on its way.
            if (c != classe())
                return;
            const QUuid corrente = rigaCorrente() >= 0 ? modello->righe().value(rigaCorrente()).alunno : QUuid();
            modello->imposta(righe);
            for (int r = 0; r < righe.size(); ++r)
                if (righe[r].alunno == corrente)
                    tblRiepilogo->setCurrentIndex(modello->index(r, 0));
            if (righe.isEmpty())
                lblStato->setText(tr("La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».").arg(nomeClasse()));
            leggiGiorni();
        });
}

void FrmRegistro::apriAlunno(int riga)
{
    if (riga < 0 || riga >= modello->righe().size())
        return;
    alunnoAperto_ = modello->righe()[riga].alunno;
    nomeAperto_ = modello->righe()[riga].nome;
    leggiGiorni();
}

void FrmRegistro::leggiGiorni()
{
    if (alunnoAperto_.isNull())
        return;
    const QUuid alunno = alunnoAperto_;
    const QDate da = dal();
    const QDate a = al();
    chiedi<QList<Consultazione::Giorno>>(
        [alunno, da, a](QSqlDatabase db) { return Consultazione::giorni(db, alunno, da, a); },
        [this, alunno](const QList<Consultazione::Giorno>& giorni) {
            if (alunno == alunnoAperto_)
                grfAlunno->imposta(nomeAperto_, giorni);
        });
}

void FrmRegistro::nuovaClasse()
{
    bool ok = false;
    const QString nome = QInputDialog::getText(this, tr("Nuova classe"), tr("Nome della classe (per esempio 3A):"),
                                               QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || nome.isEmpty())
        return;
    chiedi<std::optional<QUuid>>([nome](QSqlDatabase db) { return Anagrafe::aggiungiClasse(db, nome); },
                                 [this, nome](const std::optional<QUuid>& id) {
                                     if (!id) {
                                         MessageBox::show(tr("La classe %1 non si può creare: forse c'è già.").arg(nome));
                                         return;
                                     }
                                     leggiClassi(*id);
                                 });
}

void FrmRegistro::aggiungiAlunni()
{
    if (classe().isNull())
        return;
    bool ok = false;
    const QString elenco = QInputDialog::getMultiLineText(
        this, tr("Aggiungi alunni"),
        tr("Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); "
           "si può incollare un elenco:")
            .arg(nomeClasse()),
        QString(), &ok);
    if (!ok || elenco.trimmed().isEmpty())
        return;
    const QUuid c = classe();
    chiedi<Esito>(
        [c, elenco](QSqlDatabase db) {
            Esito e;
            e.quanti = Anagrafe::aggiungiAlunni(db, c, elenco, &e.errore);
            e.ok = e.quanti >= 0;
            aggiornaCopiaDelPc(db);
            return e;
        },
        [this](const Esito& e) {
            if (!e.ok)
                MessageBox::show(tr("Gli alunni non si possono aggiungere: %1").arg(e.errore));
            else
                lblStato->setText(tr("Alunni aggiunti: %1.").arg(e.quanti));
            leggiRiepilogo();
        });
}

void FrmRegistro::classeDelPc()
{
    QStringList voci{tr("Nessuna («Chi sei?» spento)")};
    int attuale = 0;
    for (const Classe& c : std::as_const(classi_)) {
        voci.append(c.nome);
        if (c.id == classeDelPc_)
            attuale = int(voci.size()) - 1;
    }
    bool ok = false;
    const QString spiega = tr("La classe che usa questo PC: all'avvio «Chi sei?» mostra i suoi "
                              "alunni. Con nessuna, il programma degli alunni non cambia.");
    const QString voce = QInputDialog::getItem(
        this, tr("Classe di questo PC"),
        sede_.server ? spiega + u'\n' + tr("I suoi alunni sono copiati dal registro della scuola in questo PC.")
                     : spiega,
        voci, attuale, false, &ok);
    if (!ok)
        return;
    const int i = int(voci.indexOf(voce)) - 1;
    const QUuid scelta = i >= 0 && i < classi_.size() ? classi_[i].id : QUuid();
    chiedi<Esito>(
        [scelta](QSqlDatabase db) {
            Esito e;
            // The class of the PC is this PC's own setting, kept in its file; on the server
            // the pupils' role could not read the class, so it is copied there.
            const QSqlDatabase locale = AccessoRegistro::fileLocale();
            e.ok = (!suServer(db) || scelta.isNull() || Anagrafe::copiaClasse(db, locale, scelta, &e.errore)) &&
                   Anagrafe::scegliClasseDelPc(locale, scelta, &e.errore);
            // The pupils' program looks at the mark first; the recorder sets it right at its
            // next start if it cannot be written now.
            if (e.ok)
                segnaClasse(locale.databaseName(), scelta);
            return e;
        },
        [this](const Esito& e) {
            if (!e.ok)
                MessageBox::show(tr("La scelta non si può salvare: %1").arg(e.errore));
            leggiClassi();
        });
}

void FrmRegistro::eliminaAlunno()
{
    const int riga = rigaCorrente();
    if (riga < 0) {
        MessageBox::show(tr("Scegli prima nella tabella l'alunno da eliminare."));
        tblRiepilogo->setFocus();
        return;
    }
    const Consultazione::Riepilogo r = modello->righe()[riga];
    if (!MessageBox::ask(tr("Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.").arg(r.nome)))
        return;
    chiedi<Esito>(
        [id = r.alunno](QSqlDatabase db) {
            Esito e;
            e.ok = Anagrafe::eliminaAlunno(db, id, &e.errore);
            aggiornaCopiaDelPc(db);
            return e;
        },
        [this, r](const Esito& e) {
            if (!e.ok) {
                MessageBox::show(tr("%1 non si può eliminare: %2").arg(r.nome, e.errore));
                return;
            }
            if (alunnoAperto_ == r.alunno) {
                alunnoAperto_ = QUuid();
                grfAlunno->imposta(QString(), {});
            }
            lblStato->setText(tr("%1 è stato eliminato.").arg(r.nome));
            leggiRiepilogo();
        });
}

void FrmRegistro::eliminaPrima()
{
    QDialog dialogo(this);
    dialogo.setWindowTitle(tr("Elimina risposte"));
    auto* giorno = new QDateEdit(QDate::currentDate().addYears(-1));
    giorno->setObjectName(QStringLiteral("datEliminaPrima"));
    giorno->setCalendarPopup(true);
    giorno->setDisplayFormat(FormatoGiorno);
    giorno->setAccessibleName(tr("Elimina le risposte date prima del giorno"));
    auto* tasti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(tasti, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    connect(tasti, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    auto* form = new QFormLayout(&dialogo);
    form->addRow(new QLabel(tr("Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.")));
    form->addRow(tr("Prima del giorno:"), giorno);
    form->addRow(tasti);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    const QDate prima = giorno->date();
    if (!MessageBox::ask(tr("Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno "
                            "recuperare.")
                             .arg(giornoScritto(prima))))
        return;
    chiedi<Esito>(
        [prima](QSqlDatabase db) {
            Esito e;
            e.quanti = Consultazione::eliminaPrimaDi(db, prima, &e.errore);
            e.ok = e.quanti >= 0;
            return e;
        },
        [this](const Esito& e) {
            if (!e.ok) {
                MessageBox::show(tr("Le risposte non si possono eliminare: %1").arg(e.errore));
                return;
            }
            lblStato->setText(tr("Risposte eliminate: %1.").arg(e.quanti));
            leggiRiepilogo();
        });
}

void FrmRegistro::esportaCsv(bool tutteLeRisposte)
{
    if (classe().isNull())
        return;
    const QString nome = QStringLiteral("%1-%2-%3.csv")
                             .arg(tutteLeRisposte ? QStringLiteral("risposte") : QStringLiteral("riepilogo"),
                                  perFile(nomeClasse()), oggi());
    const QString file = SaveDialog::ask(this, tr("Esporta CSV"), nome, tr("File CSV (*.csv)"), QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    const QUuid c = classe();
    const QDate da = dal();
    const QDate a = al();
    chiedi<Esito>(
        [registro = sede_.server ? sede_.server->descrizione() : sede_.file, file, tutteLeRisposte, c, da,
         a](QSqlDatabase db) {
            Esito e;
            e.ok = tutteLeRisposte ? esportaRisposte(db, registro, file, &e.errore, c, da, a)
                                   : esportaRiepilogo(Consultazione::riepilogo(db, c, da, a), file, &e.errore);
            return e;
        },
        [this, file](const Esito& e) {
            if (e.ok)
                lblStato->setText(tr("Salvato %1.").arg(QDir::toNativeSeparators(file)));
            else
                MessageBox::show(tr("Impossibile salvare il file %1.").arg(QDir::toNativeSeparators(file)) +
                                 QLatin1Char('\n') + e.errore);
        });
}

void FrmRegistro::documento(std::function<void(const PrintDocument&)> fatto)
{
    struct Dati
    {
        QList<Consultazione::Riepilogo> righe;
        QList<QList<Consultazione::Giorno>> giorni;
    };
    const QUuid c = classe();
    const QDate da = dal();
    const QDate a = al();
    chiedi<Dati>(
        [c, da, a](QSqlDatabase db) {
            Dati d;
            d.righe = Consultazione::riepilogo(db, c, da, a);
            for (const auto& r : std::as_const(d.righe))
                d.giorni.append(r.esatte + r.errate > 0 ? Consultazione::giorni(db, r.alunno, da, a)
                                                        : QList<Consultazione::Giorno>());
            return d;
        },
        [this, da, a, fatto = std::move(fatto)](const Dati& d) {
            fatto(PaginaRegistro::documento(nomeClasse(), da, a, d.righe, d.giorni));
        });
}

void FrmRegistro::stampa()
{
    if (classe().isNull())
        return;
    if (stampaInCorso_) {
        MessageBox::show(tr("Stampa in corso: attendi."));
        return;
    }
    stampaInCorso_ = true;
    cmdStampa->setEnabled(false);
    documento([this](const PrintDocument& d) {
        Printers::print(d, this, [this](const Outcome& esito) {
            stampaInCorso_ = false;
            cmdStampa->setEnabled(true);
            if (esito.ok)
                lblStato->setText(tr("Riepilogo mandato alla stampante %1.").arg(esito.target));
            else
                MessageBox::show(tr("Problema di stampa nella stampante utilizzata."));
        });
    });
    // A register that did not answer leaves nothing on its way.
    QTimer::singleShot(LimiteMs + 100, this, [this] {
        if (stampaInCorso_ && Printers::runsInProgress() == 0) {
            stampaInCorso_ = false;
            cmdStampa->setEnabled(true);
        }
    });
}

void FrmRegistro::salvaPdf()
{
    if (classe().isNull())
        return;
    const QString nome = QStringLiteral("registro-%1-%2.pdf").arg(perFile(nomeClasse()), oggi());
    const QString file = SaveDialog::ask(this, tr("Salva PDF"), nome, tr("Documenti PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    documento([this, file](const PrintDocument& d) {
        PdfFile::write(file, d.title, [d](PrinterSurface& s) { PaginaRegistro::disegnaTutto(s, d); }, this,
                       [this](const Outcome& esito) {
                           if (esito.ok)
                               lblStato->setText(tr("Salvato %1.").arg(QDir::toNativeSeparators(esito.target)));
                           else
                               MessageBox::show(tr("Impossibile salvare il file %1.")
                                                    .arg(QDir::toNativeSeparators(esito.target)) +
                                                QLatin1Char('\n') + PdfFile::describe(esito));
                       });
    });
}
