#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qv {

class PathLabel;
class PreviewBox;

// What the two description dialogs share: the prompt, the entry `Text1` (no double
// quotes; Enter acts as button 1), the picture's path, the preview panel, the "Auto
// preview" box `Check1` and the buttons `SSCommand1_0` to `SSCommand1_3`.
class DescriptionForm : public QDialog {
    Q_OBJECT

public:
    struct Texts {
        QString caption;
        QString prompt;
        QString button1;
    };
    struct Box {
        int top, left, height, width;  // twips
    };

    void reject() override;  // Escape and the window's close button act as button 2

protected:
    DescriptionForm(QWidget* parent, const Texts& texts, Box previewBox, bool withPositionLabel);

    // The slide whose description is edited and whose picture is previewed.
    virtual int slide() const = 0;
    // Button 1, once the description is stored: true when the dialog stays open for
    // another slide.
    virtual bool moveOn() = 0;
    // Where the state of "Auto preview" is kept for the rest of the run.
    virtual std::int16_t& autoPreviewSetting() = 0;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Takes the remembered "Auto preview" state; call once the picture is known.
    void takeAutoPreviewSetting();
    QString picturePath() const;
    bool autoPreview() const;
    void preview();
    void hidePreview();
    void closeDialog(DialogCode code);

    QLabel* Label1;       // prompt
    QLineEdit* Text1;
    PathLabel* Label2;    // the picture's path
    QLabel* Label3 = nullptr;  // position among the added slides
    QCheckBox* Check1;
    PreviewBox* Preview;
    std::array<QPushButton*, 4> SSCommand1{};

private:
    void SSCommand1_Click(int index);
    void Form_Activate();
    void Check1_Click();
    void showPreviewButtonState();

    bool activated_ = false;
    bool closing_ = false;
};

} // namespace qv
