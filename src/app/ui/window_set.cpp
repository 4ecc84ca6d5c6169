#include "app/ui/window_set.h"

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "common/ui/guard.h"
#include "main_window/ui/form1.h"
#include "script/ui/form3.h"

namespace trellan {

Windows::Windows(AppContext& context) {
    set_.form1 = new TForm1(context, set_);
    runGuarded(context.platform, [this] { set_.form1->FormCreate(); });
    set_.form2 = new TForm2(context, set_);
    runGuarded(context.platform, [this] { set_.form2->FormCreate(); });
    set_.form3 = new TForm3(context, set_);
    runGuarded(context.platform, [this] { set_.form3->FormCreate(); });
    set_.form4 = new TForm4(context, set_);
    runGuarded(context.platform, [this] { set_.form4->FormCreate(); });
}

Windows::~Windows() {
    delete set_.form4;
    delete set_.form3;
    delete set_.form2;
    delete set_.form1;
}

}  // namespace trellan
