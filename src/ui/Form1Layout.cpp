// The window's controls and menu, built from the control table.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <string>

#include "ui/ControlTable.h"
#include "ui/Form1.h"
#include "ui/GraphicalButton.h"
#include "ui/WindowFonts.h"

namespace pexabit {
namespace {

QColor ToColour(const Rgb& rgb) { return {rgb.Red, rgb.Green, rgb.Blue}; }

QPlainTextEdit* MakeMultiLine(QWidget* parent, bool wrapWithVerticalBar) {
    auto* box = new QPlainTextEdit(parent);
    if (wrapWithVerticalBar) {
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    return box;
}

// Frames are opaque: a panel shown over the window covers the controls under it.
QGroupBox* MakeFrame(QWidget* parent, const ControlSpec& row) {
    auto* frame = new QGroupBox(QString::fromUtf8(row.Text), parent);
    frame->setAutoFillBackground(true);
    return frame;
}

QLabel* MakeLabel(QWidget* parent, const ControlSpec& row) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((row.Style & RightAligned) != 0U) horizontal = Qt::AlignRight;
    if ((row.Style & Centred) != 0U) horizontal = Qt::AlignHCenter;
    label->setAlignment(horizontal | Qt::AlignTop);
    if ((row.Style & SingleBorder) != 0U) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setIndent(0);  // a framed label would otherwise indent by half an "x" and clip a bit
    }
    return label;
}

// The widget of one control kind, without its text, font or colours.
QWidget* MakeWidget(QWidget* parent, const ControlSpec& row) {
    switch (row.Kind) {
        case ControlKind::Frame: return MakeFrame(parent, row);
        case ControlKind::Label: return MakeLabel(parent, row);
        case ControlKind::TextBox: return new QLineEdit(parent);
        case ControlKind::TextBoxHScroll: return MakeMultiLine(parent, false);
        case ControlKind::TextBoxVScroll: return MakeMultiLine(parent, true);
        case ControlKind::Button:
            if ((row.Style & Graphical) != 0U) return new GraphicalButton(parent);
            return new QPushButton(parent);
        case ControlKind::CheckBox: return new QCheckBox(parent);
        case ControlKind::OptionButton: return new QRadioButton(parent);
    }
    return nullptr;
}

void SetInitialText(QWidget* widget, const ControlSpec& row) {
    const QString text = QString::fromUtf8(row.Text);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setText(text);
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) multi->setPlainText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
}

void SetColours(QWidget* widget, const ControlSpec& row) {
    if (!row.Background.Set && !row.Foreground.Set) return;
    QPalette palette = widget->palette();
    // Labels paint their window colour, edit fields their base colour.
    const bool isLabel = qobject_cast<QLabel*>(widget) != nullptr;
    if (row.Background.Set) {
        palette.setColor(isLabel ? QPalette::Window : QPalette::Base, ToColour(row.Background));
        widget->setAutoFillBackground(isLabel);
    }
    if (row.Foreground.Set) palette.setColor(QPalette::WindowText, ToColour(row.Foreground));
    widget->setPalette(palette);
}

// The 8-digit pattern box is exactly as wide as its digits plus the frame: the edit field's
// inner margin gives back one pixel on each side so that no digit scrolls out of sight.
void FitMonoLine(QWidget* widget, const ControlSpec& row) {
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (line != nullptr && row.Font == FontChoice::Mono14) line->setTextMargins(-1, 0, -1, 0);
}

void ApplyStyle(QWidget* widget, const ControlSpec& row) {
    if ((row.Style & ReadOnly) != 0U) qobject_cast<QLineEdit*>(widget)->setReadOnly(true);
    if ((row.Style & HiddenAtStart) != 0U) widget->hide();
    if ((row.Style & SelectedAtStart) != 0U) qobject_cast<QRadioButton*>(widget)->setChecked(true);
    if ((row.Style & RightAligned) != 0U) {
        if (auto* line = qobject_cast<QLineEdit*>(widget)) line->setAlignment(Qt::AlignRight);
    }
}

}  // namespace

void Form1::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(ToPixels(ClientWidthTwips), ToPixels(ClientHeightTwips));
    setCentralWidget(client);
    std::map<std::string, QWidget*> containers;
    for (const ControlSpec& row : Controls) {
        QWidget* parent = row.Container == nullptr ? client : containers.at(row.Container);
        QWidget* widget = MakeWidget(parent, row);
        widget->setObjectName(QString::fromUtf8(row.Name));
        widget->setGeometry(ToPixels(row.Left), ToPixels(row.Top), ToPixels(row.Width),
                            ToPixels(row.Height));
        if (row.Font != FontChoice::Dialog) widget->setFont(WindowFont(row.Font));
        SetInitialText(widget, row);
        SetColours(widget, row);
        FitMonoLine(widget, row);
        ApplyStyle(widget, row);
        if (row.Kind == ControlKind::Frame) containers[row.Name] = widget;
    }
}

void Form1::BuildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("Menu"));
    file->setObjectName(QStringLiteral("mnu_File"));
    QAction* exitItem = file->addAction(QStringLiteral("Exit"));
    exitItem->setObjectName(QStringLiteral("mnu_Exit"));
    QAction* setting = bar->addAction(QStringLiteral("Setting"));
    setting->setObjectName(QStringLiteral("mnu_Setting"));
    QAction* about = bar->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnu_Prog"));
    connect(exitItem, &QAction::triggered, this, [this] { mnu_Exit_Click(); });
    connect(setting, &QAction::triggered, this, [this] { mnu_Setting_Click(); });
    connect(about, &QAction::triggered, this, [this] { mnu_Prog_Click(); });
}

}  // namespace pexabit
