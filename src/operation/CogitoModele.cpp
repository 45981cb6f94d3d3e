#include "operation/CogitoModele.h"

#include "operation/EcritureMultDiv.h"
#include "operation/ThreadMult.h"
#include "platform/Random.h"

#include <array>
#include <chrono>
#include <thread>

struct CogitoModele::Exemplaire {
    ListeOperations liste;
    OperOptions options{};
};

CogitoModele::CogitoModele(ListeOperations& liste, const OperOptions& options, int genre)
    : liste_(liste), options_(options), genre_(genre) {}

std::unique_ptr<CogitoModele> CogitoModele::Exemple() {
    auto exemplaire = std::make_unique<Exemplaire>();
    TTableOperandes table{};
    for (TLigneOperandes& ligne : table)
        ligne.fill(-1.0);
    const std::array<std::array<double, 2>, 4> operandes{
        {{123, 456}, {2048, 37}, {975, 608}, {31, 12}}};
    for (std::size_t i = 0; i < operandes.size(); ++i) {
        table[i][0] = operandes[i][0];
        table[i][1] = operandes[i][1];
    }
    exemplaire->liste = GenereMultiplications(table);
    exemplaire->options.PositionTrous[OP_MULTIPLICATION] = 7;
    exemplaire->options.TrousIsoles = true;
    exemplaire->options.DifficulteMult = 2;
    auto modele = std::make_unique<CogitoModele>(exemplaire->liste, exemplaire->options,
                                                 ThreadMult::MULTIPLICATION);
    modele->exemplaire_ = std::move(exemplaire);
    return modele;
}

CogitoModele::~CogitoModele() {
    // The worker edits the list: it must be gone before the list may go. The dialog is
    // gone too: its termination handler must not reach it.
    fini_ = true;
    Fermer = nullptr;
    thread_.reset();
}

int CogitoModele::Maximum() const {
    return int(liste_.size());
}

void CogitoModele::ExecuteThread() {
    if (lance_)
        return;
    lance_ = true;
    const unsigned graine = graine_ != 0 ? graine_ : TireGraine();
    ThreadMult::Progression progression;
    if (Progression) {
        // Progress reaches the form on the user-interface thread, while the model lives.
        progression_ = std::make_shared<std::function<void(int)>>(Progression);
        progression = [cible = std::weak_ptr<std::function<void(int)>>(progression_)](int n) {
            Ui().Post([cible, n] {
                if (const auto fonction = cible.lock())
                    (*fonction)(n);
            });
        };
    }
    thread_ =
        std::make_unique<ThreadMult>(&liste_, &options_, genre_, graine, std::move(progression));
    if (Fermer)
        thread_->OnTerminate = [this] { ThreadDone(); };
    thread_->Start();
}

unsigned CogitoModele::TireGraine() {
    return unsigned(Random() % 10000 + 2);
}

void CogitoModele::ExecuteThreadAndWait() {
    ExecuteThread();
    Attendre();
}

void CogitoModele::Attendre() {
    if (thread_)
        thread_->WaitFor();
    ThreadDone();
}

void CogitoModele::ThreadDone() {
    if (fini_ || !lance_)
        return;
    fini_ = true;
    // Runs from the worker's termination handler: the thread object may be let go here.
    thread_.reset();
    if (Fermer)
        Fermer();
}

void CogitoModele::btAnnulerClick() {
    annule_ = true;
    if (thread_)
        thread_->Terminate();
}

TThreadPriority CogitoModele::Priorite() const {
    return thread_ ? thread_->Priority() : TThreadPriority::tpNormal;
}

void CogitoModele::TrackBarChange(int position) {
    static constexpr std::array<TThreadPriority, 5> kPriorites{
        TThreadPriority::tpLowest, TThreadPriority::tpLower, TThreadPriority::tpNormal,
        TThreadPriority::tpHigher, TThreadPriority::tpHighest};
    if (thread_ && position >= 0 && position < int(kPriorites.size()))
        thread_->SetPriority(kPriorites[std::size_t(position)]);
}

int CogitoModele::JoueSansFenetre(TFormModel& model,
                                  const std::function<void(int fait, int total)>& progression,
                                  const std::function<void()>& traitePostes) {
    auto* cogito = dynamic_cast<CogitoModele*>(&model);
    if (cogito == nullptr)
        return mrCancel;
    const int total = cogito->Maximum();
    cogito->Progression = [&progression, total](int begun) { progression(begun - 1, total); };
    cogito->Fermer = [] {};
    cogito->ExecuteThread();
    while (!cogito->Fini()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        traitePostes();
    }
    cogito->Progression = nullptr;
    progression(total, total);
    return cogito->Annule() ? mrCancel : mrOk;
}
