#pragma once

#include "forms/form.h"
#include "printing/printer.h"
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

// The teacher's register: behind the teacher's PIN, a class's figures over a range of days, a
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

    explicit FrmRegistro(const QString& file);

    // Opens the register of `file` in its window, shown at once; the PIN comes first.
    static FrmRegistro& apri(const QString& file);

    QString file() const { return file_; }
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

    // The register
    QLabel* lblAvviso;
    QPushButton* cmdAvvisoLetto;
    QComboBox* cboClasse;
    QDateEdit* datDal;
    QDateEdit* datAl;
    QCheckBox* chkTutto;
    QLabel* lblClasseDelPc;
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
    QWidget* paginaRegistro();

    // Asks the register on its thread; `fatto` gets the answer on the window's thread, unless
    // the time limit ran out first or the register cannot be used (then the window says why).
    template <class R>
    void chiedi(std::function<R(QSqlDatabase)> lavoro, std::function<void(const R&)> fatto);
    void aggiornaStato();
    void guasto(const QString& perche);

    void modoPin(ModoPin modo);
    void confermaPin();
    void entra();

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

    QString file_;
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
