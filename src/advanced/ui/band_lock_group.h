#pragma once

#include <QGroupBox>

#include "advanced/ui/group_host.h"

class QComboBox;
class QPushButton;

namespace trellan {

// "Change bandlocks ": the band lock chosen from the catalogue beside the program.
class BandLockGroup : public QGroupBox {
    Q_OBJECT
public:
    BandLockGroup(GroupHost& host, QWidget* parent);

    // Reads the catalogue and lists its names, the first one selected; at the
    // window's creation and at its "Cancel".
    void load();

    void Button4Click();  // "Add"

    QComboBox* ComboBox2;
    QPushButton* Button4;

private:
    GroupHost& host_;
    CatalogueLines catalogue_;  // the design's hidden Memo2
};

}  // namespace trellan
