#pragma once
// The read-only texts of a format's panel. Each keeps the whole value it shows and copies it
// from its context menu ("Copy"), even when it shows the value cut to its first digits.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <string>

namespace pexabit {

// One line of text: a short value ("3DCCCCCD"), or a long exact one cut to `keep` significant
// digits ("0.1000000000... (45 more digits)").
class ValueLine : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueLine(QWidget* parent = nullptr);
    void SetValue(const QString& whole);
    void SetCutValue(const std::string& whole, std::size_t keep, int base = 10);
    void Clear() { SetValue(QString()); }
    const QString& Whole() const { return WholeText; }

private:
    QString WholeText;
};

// An exact value in base 10 or 2: cut to its first digits with a button that shows it whole
// (16,447 characters for 1e-4950 in extended), wrapped anywhere, and cuts it again.
class ExactValueView : public QWidget {
    Q_OBJECT
public:
    explicit ExactValueView(int base, QWidget* parent = nullptr);
    void SetValue(const std::string& whole);
    void Clear() { SetValue(std::string()); }
    const QString& Whole() const { return WholeText; }
    QString Shown() const { return Text->toPlainText(); }
    QToolButton* Toggle() const { return ToggleButton; }

private:
    void ShowWhole(bool whole);

    int Base;
    QString WholeText, CutShown;
    QPlainTextEdit* Text;
    QToolButton* ToggleButton;
};

}  // namespace pexabit
