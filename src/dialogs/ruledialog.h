#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/dialogmemory.h"

#include <optional>

// What the rule dialog's fields hold; the defaults are its design values.
struct RuleValues {
    QString width;
    bool percentage = false;
    QString size;
    QString align = QStringLiteral("Center");
    QString colour;
    bool noShade = false;
};

// The HR tag.
QString ruleHtml(const RuleValues &values);

// The horizontal rule dialog "rule"; it remembers its values in "HRule".
class RuleDialog : public DialogFrame
{
    Q_OBJECT

public:
    RuleDialog();
    void load() override;

    RuleValues values() const;

    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtSize = nullptr;
    QCheckBox *chkPercentage = nullptr;
    QComboBox *cmbAlign = nullptr;
    QLineEdit *txtColour = nullptr;
    QPushButton *btnShowColours = nullptr;
    QCheckBox *chkShade = nullptr;
    QCheckBox *chkRemember = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void onOK();

    std::optional<DialogMemory> m_memory;
};
