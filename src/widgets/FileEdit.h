// An edit field with a browse button at its right end, that takes a file dropped on it.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace restallow {

class FileEdit : public QWidget {
    Q_OBJECT

public:
    explicit FileEdit(QWidget* parent = nullptr);

    QLineEdit* edit() const { return edit_; }
    QToolButton* browseButton() const { return browse_; }
    QString text() const;
    void setText(const QString& text);

signals:
    void textChanged(const QString& text);
    void browseClicked();
    void fileDropped(const QString& path);  // a local file dropped on the field

protected:
    // The edit line takes a dropped file as a whole instead of inserting its address.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    QToolButton* browse_;
};

}  // namespace restallow
