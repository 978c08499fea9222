#pragma once

#include "components/label/fx_label.h"
#include "components/platform/foreign_windows.h"

#include <QSize>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>


namespace qv {

// The label's size in twips when it covers a host client area of `pixels`.
QSize previewLabelTwips(QSize pixels, int twipsPerPixelX, int twipsPerPixelY);

// The preview host: never shown itself; its label draws an animated "Quintavue"
// inside the screen-saver host's small preview window until the host closes it.
class ControlForm : public QWidget {
    Q_OBJECT
public:
    explicit ControlForm(QWidget* parent = nullptr);
    ~ControlForm() override;

    // Loads the preview host for `startupState().hostWindow`, hidden; it unloads
    // itself when the host goes away.
    static void load();

    static constexpr int kEffectIntervalMs = 2100;

    bool inPreview() const { return InPreview; }
    FXLabel& label() { return *FXLabel1; }

private Q_SLOTS:
    void Timer1_Timer();
    void FXLabel1_Notify();
    void Msghook1_Message(int message);
    void checkHost();

private:
    void Form_Load();
    void unload();

    std::unique_ptr<FXLabel> FXLabel1;  // a window of its own, adopted by the host
    QTimer Timer1;
    QTimer hostWatch_;                  // notices a host that goes away mid-effect
    std::unique_ptr<QWindow> hostWindow_;  // stands for the host's window; deleting it leaves that window alone
    ForeignWindowId host_ = 0;
    bool InPreview = false;
};

} // namespace qv
