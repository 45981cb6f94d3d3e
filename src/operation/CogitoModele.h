// What the progress dialog "Cogito" works on: the worker that hides digits in an operation's
// multiplications or divisions, started when the dialog shows, followed through its progress,
// slowed down or hurried, cancelled, and waited for. The form only shows this and forwards its
// events; without a form (command line, tests) the same object runs the worker and waits.
#pragma once

#include "operation/OperGen.h"
#include "operation/OperOptions.h"
#include "platform/Thread.h"
#include "platform/UserInterface.h"

#include <functional>
#include <memory>
#include <string>

class ThreadMult;

class CogitoModele : public TFormModel {
public:
    static constexpr const char* TexteAnnulation = "Fin du calcul... PATIENTEZ, merci\u00A0!";

    // genre: ThreadMult::MULTIPLICATION or ThreadMult::DIVISION. The list and the options
    // must outlive the model.
    CogitoModele(ListeOperations& liste, const OperOptions& options, int genre);
    // A model on a few exercises of its own, to show the dialog without a component.
    static std::unique_ptr<CogitoModele> Exemple();
    // Stops the worker if it still runs and waits for it.
    ~CogitoModele() override;
    CogitoModele(const CogitoModele&) = delete;
    CogitoModele& operator=(const CogitoModele&) = delete;

    // The form's hooks, run on the user-interface thread: the progress bar's position, and
    // closing the dialog once the worker has ended.
    std::function<void(int)> Progression;
    std::function<void()> Fermer;

    // The progress bar's maximum: the number of records.
    int Maximum() const;
    // Starts the worker (once only) with the seed given, or else one drawn then (TireGraine).
    void ExecuteThread();
    // A seed from the process-wide generator, as a worker started without one draws it.
    static unsigned TireGraine();
    void ChoisitGraine(unsigned graine) { graine_ = graine; }
    // Starts the worker and waits until it has ended.
    void ExecuteThreadAndWait();
    // The worker has ended: the model lets it go and the dialog closes.
    void ThreadDone();
    // Cancel: the worker is asked to stop; the dialog closes when it has.
    void btAnnulerClick();
    // Priority from the slide bar: 0 lowest ... 2 normal ... 4 highest.
    void TrackBarChange(int position);

    // The worker's priority (normal when there is none).
    TThreadPriority Priorite() const;
    bool Lance() const { return lance_; }
    bool Fini() const { return fini_; }
    bool Annule() const { return annule_; }
    // Waits for a worker still running (the dialog may have closed another way).
    void Attendre();

    // The dialog played without a window, as a sheet builds: runs the worker of the model (a
    // CogitoModele) to its end, telling its progress (done, total) and running what it posts
    // through `traitePostes`; mrOk, or mrCancel when cancelled or given another model.
    static int JoueSansFenetre(TFormModel& model,
                               const std::function<void(int fait, int total)>& progression,
                               const std::function<void()>& traitePostes);

private:
    struct Exemplaire;

    std::unique_ptr<Exemplaire> exemplaire_;
    ListeOperations& liste_;
    const OperOptions& options_;
    int genre_;
    unsigned graine_ = 0; // 0: drawn when the worker starts
    std::unique_ptr<ThreadMult> thread_;
    // Shared with the progress messages the worker posts, which may outlive the model.
    std::shared_ptr<std::function<void(int)>> progression_;
    bool lance_ = false;
    bool fini_ = false;
    bool annule_ = false;
};
