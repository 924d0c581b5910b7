#include "ui/formats/FormatsWindow.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "format/RoundingMode.h"
#include "report/FormatReportText.h"

// The window icon: Form1's, in the formats window's own resource file.
static void LoadIconResource() { Q_INIT_RESOURCE(formats); }

namespace pexabit {

namespace {

constexpr int WorkingAfterMs = 80;  // a slower answer greys the panels and says so
constexpr RoundingMode Modes[] = {RoundingMode::NearestEven, RoundingMode::NearestAway, RoundingMode::TowardZero,
                                  RoundingMode::Up, RoundingMode::Down};
const QStringList DefaultFormats{QStringLiteral("single"), QStringLiteral("double"), QStringLiteral("half"),
                                 QStringLiteral("bfloat16")};

QString Name(std::string_view name) { return QString::fromLatin1(name.data(), qsizetype(name.size())); }

}  // namespace

QString DefaultFormatsSettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pexabit/formats.conf");
}

FormatsWindow::FormatsWindow(const QString& settingsPath, QWidget* parent)
    : QWidget(parent), SettingsPath(settingsPath), InputLine(new QLineEdit(this)), RoundingBox(new QComboBox(this)),
      MessageLabel(new QLabel(this)), CopyReport(new QAction(tr("Copy the report"), this)) {
    LoadIconResource();
    setWindowTitle(tr("Pexabit Formats"));
    setWindowIcon(QIcon(QStringLiteral(":/formats/pexabit.png")));
    BuildControls();
    LoadChoices();
    SaveChoices();
    WorkingDelay.setSingleShot(true);
    connect(&WorkingDelay, &QTimer::timeout, this, &FormatsWindow::ShowWorking);
    connect(&Worker, &ReportWorker::Finished, this, &FormatsWindow::Show, Qt::QueuedConnection);
    connect(InputLine, &QLineEdit::textChanged, this, [this] {
        if (ShowingPicked) return;
        Picked.reset();  // typing makes the text the current value again
        Recompute();
    });
    for (FormatPanel* panel : Panels) {
        connect(panel, &FormatPanel::PatternChosen, this, [this, panel](Bits128 p) { ChoosePattern(panel->Format(), p); });
    }
    connect(RoundingBox, &QComboBox::currentIndexChanged, this, [this] { SaveChoices(); Recompute(); });
    for (QCheckBox* choice : FormatChoices) connect(choice, &QCheckBox::toggled, this, [this] { SaveChoices(); Recompute(); });
    connect(CopyReport, &QAction::triggered, this, [this] {
        if (const QString text = ReportText(); !text.isEmpty()) QApplication::clipboard()->setText(text);
    });
    InputLine->setFocus();
}

FormatsWindow::~FormatsWindow() = default;

// The input row, the formats row, the message, and the panels in a scroll area.
void FormatsWindow::BuildControls() {
    InputLine->setObjectName(QStringLiteral("Input"));
    InputLine->setPlaceholderText(tr("A number: 0.1, -1.5e3, 0x1.8p+1, inf, nan(0x1)"));
    RoundingBox->setObjectName(QStringLiteral("Rounding"));
    for (RoundingMode mode : Modes) RoundingBox->addItem(Name(RoundingModeName(mode)));
    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(InputLine, 1);
    inputRow->addWidget(new QLabel(tr("Rounding"), this));
    inputRow->addWidget(RoundingBox);
    auto* formatsRow = new QHBoxLayout;
    formatsRow->addWidget(new QLabel(tr("Formats"), this));
    auto* panels = new QWidget;
    auto* panelColumn = new QVBoxLayout(panels);
    for (const FloatFormat* format : AllFormats) {
        auto* choice = new QCheckBox(Name(format->Name), this);
        choice->setObjectName(QStringLiteral("Show_") + Name(format->Name));
        FormatChoices.push_back(choice);
        formatsRow->addWidget(choice);
        Panels.push_back(new FormatPanel(*format, panels));
        panelColumn->addWidget(Panels.back());
    }
    panelColumn->addStretch();
    formatsRow->addStretch();
    CopyReport->setObjectName(QStringLiteral("CopyReport"));
    CopyReport->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    addAction(CopyReport);
    auto* copyButton = new QPushButton(tr("Copy the report (Ctrl+Shift+C)"), this);
    connect(copyButton, &QPushButton::clicked, CopyReport, &QAction::trigger);
    formatsRow->addWidget(copyButton);
    MessageLabel->setObjectName(QStringLiteral("Message"));
    MessageLabel->setWordWrap(true);
    MessageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(panels);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputRow);
    layout->addLayout(formatsRow);
    layout->addWidget(MessageLabel);
    layout->addWidget(scroll, 1);
}

QCheckBox* FormatsWindow::Shows(const FloatFormat& format) const {
    for (std::size_t i = 0; i < AllFormats.size(); ++i) {
        if (AllFormats[i] == &format) return FormatChoices[i];
    }
    return nullptr;
}

FormatPanel* FormatsWindow::Panel(const FloatFormat& format) const {
    for (FormatPanel* panel : Panels) {
        if (&panel->Format() == &format) return panel;
    }
    return nullptr;
}

// The formats shown, the mode and the geometry; unknown names are skipped, and no format at
// all falls back to the four defaults.
void FormatsWindow::LoadChoices() {
    const QSettings settings(SettingsPath, QSettings::IniFormat);
    QStringList shown = settings.value(QStringLiteral("formats"), DefaultFormats).toStringList();
    bool any = false;
    for (std::size_t i = 0; i < AllFormats.size(); ++i) any |= shown.contains(Name(AllFormats[i]->Name));
    if (!any) shown = DefaultFormats;
    for (std::size_t i = 0; i < AllFormats.size(); ++i) {
        const bool on = shown.contains(Name(AllFormats[i]->Name));
        FormatChoices[i]->setChecked(on);
        Panels[i]->setVisible(on);
    }
    const std::optional<RoundingMode> mode =
        FindRoundingMode(settings.value(QStringLiteral("round")).toString().toStdString());
    const auto found = std::find(std::begin(Modes), std::end(Modes), mode.value_or(RoundingMode::NearestEven));
    RoundingBox->setCurrentIndex(int(found - std::begin(Modes)));
    if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray())) resize(1100, 820);
}

void FormatsWindow::SaveChoices() const {
    QSettings settings(SettingsPath, QSettings::IniFormat);
    QStringList shown;
    for (std::size_t i = 0; i < AllFormats.size(); ++i) {
        if (FormatChoices[i]->isChecked()) shown << Name(AllFormats[i]->Name);
    }
    settings.setValue(QStringLiteral("formats"), shown);
    settings.setValue(QStringLiteral("round"), RoundingBox->currentText());
}

void FormatsWindow::closeEvent(QCloseEvent* e) {
    QSettings(SettingsPath, QSettings::IniFormat).setValue(QStringLiteral("geometry"), saveGeometry());
    QWidget::closeEvent(e);
}

ReportRequest FormatsWindow::CurrentRequest() const {
    ReportRequest request;
    for (std::size_t i = 0; i < AllFormats.size(); ++i) {
        if (FormatChoices[i]->isChecked()) request.Formats.push_back(AllFormats[i]);
    }
    request.Mode = Modes[RoundingBox->currentIndex()];
    return request;
}

// Shows the chosen panels and asks the worker for the input's report; an empty input or no
// chosen format clears the panels at once.
void FormatsWindow::Recompute() {
    const ReportRequest request = CurrentRequest();
    for (std::size_t i = 0; i < AllFormats.size(); ++i) Panels[i]->setVisible(FormatChoices[i]->isChecked());
    if ((InputLine->text().isEmpty() && !Picked) || request.Formats.empty()) {
        ShownJob = LatestJob = 0;  // no job: any answer still under way is dropped
        Shown.reset();
        MessageLabel->setText(request.Formats.empty() ? tr("No format is chosen.") : QString());
        ClearPanels();
        return;
    }
    LatestJob = Worker.Submit(InputLine->text().toStdString(), request, Picked);
    WorkingDelay.start(WorkingAfterMs);
}

// The picked pattern becomes the current value, and the input line shows its typed form.
void FormatsWindow::ChoosePattern(const FloatFormat& format, Bits128 pattern) {
    Picked = StoredInput{&format, pattern};
    const std::optional<std::string> typed = TypedTextOf(format, DecodePattern(format, pattern));
    ShowingPicked = true;
    InputLine->setText(QString::fromStdString(typed.value_or(std::string())));
    ShowingPicked = false;
    Recompute();
}

void FormatsWindow::Show(std::shared_ptr<const ReportOutcome> outcome) {
    if (outcome->Number != LatestJob) return;
    WorkingDelay.stop();
    ShownJob = outcome->Number;
    Shown = std::move(outcome);
    for (FormatPanel* panel : Panels) panel->setEnabled(true);
    if (FocusWhileWorking) FocusWhileWorking->setFocus();  // Space and the arrows go on where they were
    FocusWhileWorking.clear();
    if (!Shown->Report.Refusal.empty()) {
        MessageLabel->setText(QString::fromStdString(Shown->Report.Refusal));
        ClearPanels();
        return;
    }
    MessageLabel->clear();
    for (FormatPanel* panel : Panels) panel->SetOrigin(Shown->Stored && Shown->Stored->Format == &panel->Format());
    for (const FormatReport& report : Shown->Report.Formats) {
        if (report.Refusal) Panel(*report.Format)->SetRefusal(*report.Refusal);  // the others still answer
        else Panel(*report.Format)->SetReport(report);
    }
}

void FormatsWindow::ShowWorking() {
    if (!Waiting()) return;
    MessageLabel->setText(tr("Working..."));
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused)) FocusWhileWorking = focused;
    for (FormatPanel* panel : Panels) panel->setEnabled(false);
}

void FormatsWindow::ClearPanels() {
    for (FormatPanel* panel : Panels) {
        panel->Clear();
        panel->SetOrigin(false);
        panel->setEnabled(true);
    }
}

QString FormatsWindow::ReportText() const {
    if (!Shown || Waiting()) return {};
    std::string text;
    if (Shown->Stored) AppendStoredReportText(text, *Shown->Stored, Shown->Request, Shown->Report);
    else AppendFormatReportText(text, Shown->Text, Shown->Request, Shown->Report);
    return QString::fromStdString(text);
}

}  // namespace pexabit
