#include "advanced/ui/band_lock_group.h"

#include <QComboBox>
#include <QPushButton>

#include "advanced/gdfs_options.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"

namespace trellan {
namespace {
const QString kBandLockCatalogue = QStringLiteral("cda/bandlock.cdt");
}

BandLockGroup::BandLockGroup(GroupHost& host, QWidget* parent) : QGroupBox(parent), host_(host) {
    setObjectName(QStringLiteral("GroupBox2"));
    setTitle(QStringLiteral("Change bandlocks "));
    setGeometry(256, 8, 337, 49);
    ComboBox2 = placed<QComboBox>(this, QStringLiteral("ComboBox2"), QRect(8, 16, 257, 21));
    ComboBox2->setEditable(true);
    // Typed text never becomes an entry, so reloading lists each name once.
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    Button4 = captioned<QPushButton>(this, QStringLiteral("Button4"), QStringLiteral("Add"),
                                     QRect(264, 16, 65, 21));
    connectGuarded(host_.platform(), Button4, &QPushButton::clicked, this,
                   [this] { Button4Click(); });
}

void BandLockGroup::load() {
    // A catalogue that cannot be read leaves the list as it was.
    catalogue_ = host_.readCatalogue(kBandLockCatalogue);
    ComboBox2->clear();
    ComboBox2->clearEditText();
    ComboBox2->addItems(advanced::bandLockNames(catalogue_.texts()));
    if (ComboBox2->count() > 0) {
        ComboBox2->setCurrentIndex(0);
    }
}

void BandLockGroup::Button4Click() {
    const QString name = ComboBox2->currentText();
    const advanced::BandLockLookup lookup = advanced::findBandLock(catalogue_.texts(), name);
    switch (lookup.result) {
        case advanced::BandLockLookup::Result::UnknownName:
            host_.errorBox(QStringLiteral("No bandlock named \"%1\" in the list! "
                                          "Please choose a bandlock from the list.")
                               .arg(name));
            return;
        case advanced::BandLockLookup::Result::NoDataLine:
            host_.errorBox(QStringLiteral("Bandlock \"%1\" has no data line above its name "
                                          "in bandlock.cdt!")
                               .arg(name));
            return;
        case advanced::BandLockLookup::Result::Found:
            break;
    }
    if (!host_.lineReachesScript(catalogue_, lookup.dataLine, kBandLockCatalogue)) {
        return;
    }
    host_.appendLine(advanced::bandLockLine(lookup.data));
    host_.appendStatus(QStringLiteral("Added bandlock change command successfully!"));
    host_.enableHandBack();
}

}  // namespace trellan
