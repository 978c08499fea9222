#pragma once

#include <QWidget>

class QLineEdit;
class QTextBrowser;
class QUrl;

namespace qv {

// The window that shows the manual: contents, back and forward, and a find field.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the manual file at the anchor (empty: its top).
    void showSection(const QString& manualFile, const QString& anchor);

    QTextBrowser* browser() const { return browser_; }

private:
    void findNext();

    QTextBrowser* browser_;
    QLineEdit* findEntry_;
    QString shownFile_;
};

} // namespace qv
