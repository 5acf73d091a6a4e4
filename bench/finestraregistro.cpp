// The teacher's register window over a class's year, 100,000 answers in two classes: how long
// the teacher waits to see the table once the PIN is typed, and at each change of class or of
// the range of days. Runs on Qt's offscreen platform: the waits are the register's, not the
// screen's.
#include "app/avvio.h"
#include "misurafinestra.h"
#include "register/frmregistro.h"
#include "register/pin.h"
#include "registrofinto.h"
#include "registro/connessione.h"
#include "support/kid.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
constexpr int Prove = 5;
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    preparaApplicazione(app, QStringLiteral("it"));
    QTemporaryDir cartella(QDir::tempPath() + QStringLiteral("/tarvello-bench-XXXXXX"));
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    QList<Alunno> alunni;
    const QUuid classe = RegistroFinto::prepara(file, &alunni, QDate::currentDate());
    {
        // The second half of the pupils make a second class; the PIN is set as at a first opening.
        Connessione c(file);
        const QUuid seconda = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3B")).value_or(QUuid());
        QSqlQuery q(c.db());
        q.prepare(QStringLiteral("UPDATE alunni SET classe = ? WHERE classe = ? AND nome > 'Alunno 12'"));
        q.addBindValue(seconda.toString());
        q.addBindValue(classe.toString());
        if (classe.isNull() || seconda.isNull() || !q.exec() ||
            !Anagrafe::imposta(c.db(), Pin::Chiave, Pin::impronta(QStringLiteral("2468")))) {
            std::printf("finestra del registro: NOT MEASURED: the register could not be written\n");
            return 1;
        }
    }

    std::vector<double> pin, classi, intervalli;
    for (int prova = 0; prova < Prove; ++prova) {
        FrmRegistro* w = &FrmRegistro::apri(file);
        attesaFinestra(*w, [] {});
        auto* txtPin = kid<QLineEdit>(w, "txtPin");
        pin.push_back(attesaFinestra(*w, [&] {
            txtPin->setText(QStringLiteral("2468"));
            emit txtPin->returnPressed();
        }));
        auto* tabella = kid<QTableView>(w, "tblRiepilogo");
        auto* cboClasse = kid<QComboBox>(w, "cboClasse");
        auto* chkTutto = kid<QCheckBox>(w, "chkTutto");
        if (tabella->model()->rowCount() == 0 || cboClasse->count() != 2) {
            std::printf("finestra del registro: WRONG: %d rows, %d classes\n", tabella->model()->rowCount(),
                        cboClasse->count());
            return 1;
        }
        for (int i = 0; i < 2; ++i) {
            intervalli.push_back(attesaFinestra(*w, [&] { chkTutto->setChecked(!chkTutto->isChecked()); }));
            classi.push_back(attesaFinestra(*w, [&] { cboClasse->setCurrentIndex(1 - cboClasse->currentIndex()); }));
        }
        w->unload();
        QCoreApplication::processEvents();
    }
    riportaMediana("finestra del registro", "dal PIN alla tabella (PBKDF2 del PIN compreso)", pin, 500);
    riportaMediana("finestra del registro", "cambio di classe", classi, 200);
    riportaMediana("finestra del registro", "cambio di intervallo (30 giorni / tutto il registro)", intervalli, 200);
    return 0;
}
