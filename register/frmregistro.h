#pragma once

#include "forms/form.h"
#include "printing/printer.h"
#include "register/accessoregistro.h"
#include "registro/anagrafe.h"
#include "registro/consultazione.h"

#include <QDate>
#include <QSet>
#include <QSqlDatabase>
#include <functional>

class Grafico;
class ModelloRiepilogo;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTimer;

// The teacher's register: behind the teacher's PIN (on the school's server, behind the
// teachers' role's password instead), a class's figures over a range of days, a
// pupil's days as a chart, the classes and their pupils, deletions, and the summary exported,
// printed or saved. An ordinary desktop window, for a teacher at a desk, not a pupil's window.
// Every call to the register runs off the window's thread and has a time limit; meanwhile the
// window says so and goes on answering.
class FrmRegistro : public Form
{
    Q_OBJECT

public:
    // How long a call to the register may take before the window gives it up and says so.
    static constexpr int LimiteMs = 15000;

    explicit FrmRegistro(const AccessoRegistro::Sede& sede);

    // Opens the register of `sede` in its window, shown at once; the PIN comes first, or on a
    // server the password when libpq finds none.
    static FrmRegistro& apri(const AccessoRegistro::Sede& sede);

    // This PC's own file.
    QString file() const { return sede_.file; }
    // Calls to the register asked and not yet answered.
    int inAttesa() const { return int(attese_.size()); }

protected:
    void onLoad() override;
    void onUnload() override;

private:
    enum class ModoPin { Lettura, Imposta, Chiedi, Aperto };

    // PIN
    QStackedWidget* stkPagine;
    QLabel* lblPin;
    QLineEdit* txtPin;
    QLabel* lblPinConferma;
    QLineEdit* txtPinConferma;
    QPushButton* cmdPin;
    QLabel* lblPinEsito;
    QTimer* timerPin;

    // The school server's password, when libpq finds none
    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QPushButton* cmdPassword;
    QLabel* lblPasswordEsito;

    // The register
    QLabel* lblAvviso;
    QPushButton* cmdAvvisoLetto;
    QComboBox* cboClasse;
    QDateEdit* datDal;
    QDateEdit* datAl;
    QCheckBox* chkTutto;
    QLabel* lblClasseDelPc;
    QLabel* lblServer;
    QTableView* tblRiepilogo;
    ModelloRiepilogo* modello;
    Grafico* grfAlunno;
    QPushButton* cmdNuovaClasse;
    QPushButton* cmdAggiungiAlunni;
    QPushButton* cmdClasseDelPc;
    QPushButton* cmdEliminaAlunno;
    QPushButton* cmdEliminaPrima;
    QPushButton* cmdEsportaCsv;
    QPushButton* cmdStampa;
    QPushButton* cmdSalvaPdf;
    QLabel* lblStato;

    QWidget* paginaPin();
    QWidget* paginaPassword();
    QWidget* paginaRegistro();

    // Asks the register on its thread; `fatto` gets the answer on the window's thread, unless
    // the time limit ran out first or the register cannot be used (then the window says why).
    template <class R>
    void chiedi(std::function<R(QSqlDatabase)> lavoro, std::function<void(const R&)> fatto);
    void aggiornaStato();
    void guasto(const AccessoRegistro::Guasto& perche);

    void modoPin(ModoPin modo);
    void confermaPin();
    void entra();
    // Reads what the window shows first; on the school's server this is also where the
    // connection is made, with the password typed when libpq found none.
    void apertura();
    void confermaPassword();

    void leggiClassi(const QUuid& scelta = QUuid());
    void leggiRiepilogo();
    void apriAlunno(int riga);
    void leggiGiorni();
    QDate dal() const;
    QDate al() const;
    QUuid classe() const;
    QString nomeClasse() const;
    // The pupil whose row has the keyboard; null when none.
    int rigaCorrente() const;

    void nuovaClasse();
    void aggiungiAlunni();
    void classeDelPc();
    void eliminaAlunno();
    void eliminaPrima();
    void esportaCsv(bool tutteLeRisposte);
    void stampa();
    void salvaPdf();
    // The summary as it is now, with every pupil's chart, read afresh for the page.
    void documento(std::function<void(const PrintDocument&)> fatto);

    AccessoRegistro::Sede sede_;
    QSet<int> attese_;
    int ultimaRichiesta_ = 0;
    ModoPin modo_ = ModoPin::Lettura;
    bool pinInVerifica_ = false;
    QUuid classeDelPc_;
    QList<Classe> classi_;
    // The pupil whose chart is shown.
    QUuid alunnoAperto_;
    QString nomeAperto_;
    bool stampaInCorso_ = false;
};
