#include "config_ui/common/help_viewer.h"

#include "config_ui/common/accessible_names.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qv {

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), findEntry_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quintavue Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    auto* findLabel = new QLabel(QStringLiteral("F&ind:"), this);
    auto* close = new QPushButton(QStringLiteral("C&lose"), this);
    findLabel->setBuddy(findEntry_);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addSpacing(12);
    bar->addWidget(findLabel);
    bar->addWidget(findEntry_, 1);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setAccessibleName(QStringLiteral("Help text"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { showSection(shownFile_, QStringLiteral("contents")); });
    connect(findEntry_, &QLineEdit::returnPressed, this, &HelpViewer::findNext);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    nameControlsForAccessibility(this);
    resize(760, 620);
}

void HelpViewer::showSection(const QString& manualFile, const QString& anchor)
{
    shownFile_ = manualFile;
    if (!QFileInfo(manualFile).isFile()) {
        browser_->setHtml(QStringLiteral("<h2>Help is not installed</h2><p>The manual was not found at <code>%1</code>. "
                                         "Reinstalling Quintavue puts it back.</p>")
                              .arg(manualFile.toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(manualFile);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    browser_->setSource(url, QTextDocument::HtmlResource);
    if (!anchor.isEmpty())
        browser_->scrollToAnchor(anchor);
}

void HelpViewer::findNext()
{
    const QString wanted = findEntry_->text();
    if (wanted.isEmpty())
        return;
    if (!browser_->find(wanted)) {
        // Wrap round to the top once.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(wanted);
    }
}

} // namespace qv
