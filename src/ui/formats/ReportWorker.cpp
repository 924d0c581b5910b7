#include "ui/formats/ReportWorker.h"

#include <QMutexLocker>

namespace pexabit {

ReportWorker::ReportWorker(QObject* parent) : QThread(parent) { start(); }

ReportWorker::~ReportWorker() {
    {
        const QMutexLocker locker(&Lock);
        Stopping = true;
        Pending.reset();
    }
    Wake.wakeOne();
    wait();
}

quint64 ReportWorker::Submit(std::string text, ReportRequest request, std::optional<StoredInput> stored) {
    const QMutexLocker locker(&Lock);
    Pending.emplace();
    Pending->Number = ++Latest;
    Pending->Text = std::move(text);
    Pending->Stored = stored;
    Pending->Request = std::move(request);
    Wake.wakeOne();
    return Latest;
}

bool ReportWorker::Busy() const {
    const QMutexLocker locker(&Lock);
    return Running || Pending.has_value();
}

// Waits for a job, builds its report without the lock, and sends it unless a newer job came.
void ReportWorker::run() {
    QMutexLocker locker(&Lock);
    for (;;) {
        while (!Pending && !Stopping) Wake.wait(&Lock);
        if (Stopping) return;
        auto job = std::make_shared<ReportOutcome>(std::move(*Pending));
        Pending.reset();
        Running = true;
        locker.unlock();
        if (job->Stored) BuildStoredReport(*job->Stored, job->Request, job->Report);
        else BuildReport(job->Text, job->Request, job->Report);
        locker.relock();
        Running = false;
        if (job->Number == Latest) emit Finished(std::move(job));
    }
}

}  // namespace pexabit
