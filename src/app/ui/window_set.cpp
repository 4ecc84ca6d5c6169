#include "app/ui/window_set.h"

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "common/ui/guard.h"
#include "common/ui/window_util.h"
#include "main_window/ui/form1.h"
#include "script/ui/form3.h"

namespace trellan {

Windows::Windows(AppContext& context) {
    set_.form1 = new TForm1(context.platform, context.dataFolder);
    runGuarded(context.platform, [this] { set_.form1->FormCreate(); });
    set_.form2 = new TForm2(context.platform);
    runGuarded(context.platform, [this] { set_.form2->FormCreate(); });
    set_.form3 = new TForm3(context.platform);
    runGuarded(context.platform, [this] { set_.form3->FormCreate(); });
    set_.form4 = new TForm4(context.platform, context.programFolder);
    runGuarded(context.platform, [this] { set_.form4->FormCreate(); });
    connectWindows();
}

Windows::~Windows() {
    delete set_.form4;
    delete set_.form3;
    delete set_.form2;
    delete set_.form1;
}

void Windows::connectWindows() {
    TForm2* about = set_.form2;
    TForm3* generator = set_.form3;
    TForm4* advanced = set_.form4;
    QObject::connect(set_.form1, &TForm1::aboutRequested, about, [about] { showWindow(about); });
    QObject::connect(set_.form1, &TForm1::scriptGeneratorRequested, generator, [generator] {
        showWindow(generator);
        generator->FormCreate();
    });
    QObject::connect(generator, &TForm3::addMoreRequested, advanced, &TForm4::openWithScript);
    QObject::connect(advanced, &TForm4::handedBack, generator, &TForm3::takeHandBack);
    // Every closing of the advanced window, handing back or not.
    QObject::connect(advanced, &TForm4::closed, generator, [generator] {
        generator->setEnabled(true);
        // The keys go back to the window the user came from, whatever the desktop picks.
        if (generator->isVisible()) {
            generator->activateWindow();
        }
    });
}

}  // namespace trellan
