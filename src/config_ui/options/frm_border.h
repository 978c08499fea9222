#pragma once

#include "config_ui/options/border_bars.h"

#include <QDialog>

#include <array>

class QLabel;
class QScrollBar;

namespace qv {

class FXImage;

// "Border Editor": ten scroll bars for the colours, styles and widths of the border
// the show draws around its pictures, with a sample picture that shows the result.
// "&Ok" puts the values into the settings in memory; the window that opened this one
// stores them. A stored value beyond a bar's range is shown at the bar's end and
// written back only if that bar is changed.
class FrmBorder : public QDialog {
    Q_OBJECT
public:
    explicit FrmBorder(QWidget* parent = nullptr);

    static void openModal(QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void HScroll_Change(int bar);
    void SSCommand1_Click(int index);
    BorderValues barValues() const;
    void showSample();

    std::array<QScrollBar*, kBorderBarCount> HScroll{};
    std::array<QLabel*, kBorderBarCount> valueText{};
    std::array<QLabel*, kBorderBarCount> swatch{};
    std::array<bool, kBorderBarCount> changed{};  // moved since the window opened
    std::array<bool, kBorderBarCount> storedInRange{};
    FXImage* FXImage1 = nullptr;
    bool sampleShown = false;
};

} // namespace qv
