// The help window: Markdown pages of the help folder in a browser with back, forward, the
// contents page and a search in the page. One per editor, not modal; Escape closes it.
#pragma once

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `contents` is the page the home button opens.
    explicit HelpWindow(std::string contents, QWidget* parent = nullptr);

    // Shows a page (a file path), with a note under it when not empty, and brings the window
    // to the front.
    void Open(const std::string& page, const std::string& note);
    // The page shown, as a file path.
    std::string CurrentPage() const;
    // The note shown under the page ("" for none).
    QString Note() const;
    // Looks for the search field's text from the cursor, wrapping at the end of the page;
    // false when the page does not hold it.
    bool FindNext(bool backward);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pageChanged();

    std::string contents_;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QLabel* note_;
    QToolButton* back_;
    QToolButton* forward_;
};
