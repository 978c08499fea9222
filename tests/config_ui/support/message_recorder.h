#pragma once

#include "components/platform/message_box.h"
#include "config_ui/common/config_ui_state.h"
#include "config_ui/common/help.h"
#include "config_ui/common/test_run.h"
#include "config_ui/common/window_openers.h"
#include "settings/global_settings.h"
#include "engine/show_state.h"
#include "showdata/custom_show.h"
#include "support/test_files.h"

// The controls the window tests drive, included once for all of them.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace qv::test {

// Records the boxes a window shows and answers them from a queue (Ok, or the box's
// own default, when the queue is empty).
class MessageRecorder final : public MessagePresenter {
public:
    MessageAnswer present(const Message& message) override
    {
        messages.push_back(message);
        if (answers.empty())
            return message.defaultAnswer;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Exactly one box since the last clear, its text starting with `start`.
    ::testing::AssertionResult shownOnce(const QString& start) const
    {
        if (messages.size() != 1)
            return ::testing::AssertionFailure() << messages.size() << " boxes";
        if (!messages[0].text.startsWith(start))
            return ::testing::AssertionFailure() << messages[0].text.toStdString();
        return ::testing::AssertionSuccess();
    }
    QStringList titles() const
    {
        QStringList list;
        for (const Message& m : messages)
            list << m.title;
        return list;
    }
    std::vector<Message> messages;
    std::deque<MessageAnswer> answers;
};

// Slide n of a test show: its fields say which slide it is, and all but the loop flag
// differ from every other slide's.
inline SlideRecord numberedSlide(int n)
{
    return SlideRecord{QStringLiteral("/p/%1.jpg").arg(n), QStringLiteral("slide %1").arg(n),
                       static_cast<std::int16_t>(n),       static_cast<std::int16_t>(n % 114),
                       static_cast<std::int16_t>(100 + n), QStringLiteral("/s/%1.wav").arg(n),
                       static_cast<std::int16_t>(n % 2)};
}

// A show of slides 1 to `count`, each numberedSlide(n).
inline CustomShow numberedShow(int count)
{
    CustomShow show;
    for (int n = 1; n <= count; ++n) {
        AppendSlide(show);
        show.setSlide(n, numberedSlide(n));
    }
    return show;
}

// The control named `name` in `window`; a failure names the one that is missing.
template <typename T = QWidget>
T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}
template <typename T = QWidget>
T* control(const QWidget* window, const char* name)
{
    return control<T>(window, QString::fromLatin1(name));
}

// A click on the mark of a radio button or check box, where a user clicks: those
// controls answer clicks on their mark and caption only.
inline void clickMark(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

// The texts of a list's or a combo box's rows, top to bottom.
inline QStringList rowTexts(const QAbstractItemModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

// A click on the row of list `listName` that reads `text`, as a user picks a file.
inline void clickRow(const QWidget* window, const QString& listName, const QString& text)
{
    auto* view = window->findChild<QAbstractItemView*>(listName);
    ASSERT_NE(view, nullptr) << listName.toStdString();
    const QModelIndexList found =
        view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(found.first()).center());
}

// Files or folders dragged from a file manager and dropped on `target` at `at`; true
// when the target took the drag.
inline bool dropUrls(QWidget* target, const QList<QUrl>& urls, QPoint at = QPoint(5, 5))
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted();
}

// Shows `window` active and lets it finish opening (a first preview included).
inline void showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);  // the focus moving in must not choose anything
    QTest::qWait(50);
}

// While it lives, runs `act` on each modal window that opens (only those named `name`,
// unless `name` is empty), as a user would answer it; counts them.
class ModalWatcher {
public:
    ModalWatcher(QString name, std::function<void(QWidget*)> act) : name_(std::move(name)), act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != last_ && (name_.isEmpty() || modal->objectName() == name_)) {
                last_ = modal;
                ++openings;
                act_(modal);
            }
        });
        timer_.start(5);
    }
    int openings = 0;

private:
    QString name_;
    std::function<void(QWidget*)> act_;
    QTimer timer_;
    QWidget* last_ = nullptr;
};

// A configuration window test: a data folder of its own as "slideshow_path", boxes
// recorded, help and the other windows recorded by name instead of opened, the test
// run replaced, and the program-wide records back at their start values.
class ConfigWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        globalSettings() = GlobalSettings{};
        globalSettings().slideshowPath = folder_.path() + QLatin1Char('/');
        configUiState() = ConfigUiState{};
        customShow() = CustomShow{};
        setMessagePresenter(&messages);
        setHelpOpener([this](const QString& keyword) { helpKeywords << keyword; });
        setTestShowRunner([this] {
            ++testRuns;
            showRunning() = false;
        });
        savedOpeners_ = windowOpeners();
        WindowOpeners& openers = windowOpeners();
        for (auto [opener, name] : {std::pair{&openers.customShowEditor, "create_sequence"}, {&openers.randomSetup, "r_andom"}})
            *opener = [this, name] {
                opened << QLatin1String(name);
                configUiState().editorOpen = false;
            };
        openers.globalOptions = recordOpening("frmoptions");
        openers.borderDesigner = recordOpening("FrmBorder");
        openers.passwordDialog = recordOpening("Password");
        openers.effectChooser = recordOpening("frmEffects");
        openers.pictureViewer = recordOpening("cpic");
    }

    // An opener that records the window `name` in `opened` instead of opening it.
    std::function<void(QWidget*)> recordOpening(const char* name)
    {
        return [this, name](QWidget*) { opened << QLatin1String(name); };
    }

    void TearDown() override
    {
        windowOpeners() = savedOpeners_;
        setTestShowRunner(nullptr);
        setHelpOpener(nullptr);
        setMessagePresenter(nullptr);
    }

    QString dataPath(const QString& name) const { return globalSettings().slideshowPath + name; }
    void writeData(const QString& name, const QByteArray& bytes = {}) const { ASSERT_TRUE(writeFile(dataPath(name), bytes)); }

    MessageRecorder messages;
    QStringList helpKeywords;
    QStringList opened;  // windows asked for through the openers, by form name
    int testRuns = 0;

private:
    QTemporaryDir folder_;
    WindowOpeners savedOpeners_;
};

} // namespace qv::test
