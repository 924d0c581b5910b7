#pragma once
// The thread that builds the every-format report off the GUI thread, so that a slow input
// (1e-4950 in every format, a 1,000-digit text) never freezes the window. The newest input
// wins: a job submitted while another waits replaces it, and the window ignores any answer but
// the one to its latest job.

#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <memory>
#include <optional>
#include <string>

#include "report/FormatReport.h"
#include "report/StoredInput.h"

namespace pexabit {

// One input, how it was asked for, and its report.
struct ReportOutcome {
    quint64 Number = 0;  // the job's number, from 1 on
    std::string Text;    // the input line's text
    std::optional<StoredInput> Stored;  // set: the input is this pattern, Text only its typed form
    ReportRequest Request;
    InputReport Report;
};

class ReportWorker : public QThread {
    Q_OBJECT
public:
    explicit ReportWorker(QObject* parent = nullptr);
    ~ReportWorker() override;  // finishes the job under way, drops a waiting one

    // Queues the report of `text`, or of `stored` when set, replacing a job that has not started;
    // returns its number.
    quint64 Submit(std::string text, ReportRequest request, std::optional<StoredInput> stored = std::nullopt);
    // True while a job waits or runs.
    bool Busy() const;

signals:
    // The report of a job that nothing newer replaced while it ran; sent from the worker thread.
    void Finished(std::shared_ptr<const ReportOutcome> outcome);

protected:
    void run() override;

private:
    mutable QMutex Lock;
    QWaitCondition Wake;
    std::optional<ReportOutcome> Pending;
    quint64 Latest = 0;
    bool Running = false, Stopping = false;
};

}  // namespace pexabit
