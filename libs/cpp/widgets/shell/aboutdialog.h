#pragma once

#include <QDialog>

class QPushButton;

namespace QMWidgets {

// The about box: the application's logo, name, version and maker, and the
// credits of the libraries it uses with a button that opens their licence.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The licence text in the resources folder.
    static QString licenseFile();
    QPushButton* licenseButton() const { return m_license; }

private:
    QPushButton* m_license;
};

} // namespace QMWidgets
