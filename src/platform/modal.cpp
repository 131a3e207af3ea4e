#include "platform/modal.h"

#include <QDialog>
#include <utility>

namespace platform {
namespace {
ModalHook hook;
}

void setModalHook(ModalHook h) {
    hook = std::move(h);
}

int runModal(QDialog& dialog) {
    if (!hook)
        return dialog.exec();
    dialog.setModal(true);
    dialog.show();
    const int result = hook(dialog);
    dialog.hide();
    return result;
}

} // namespace platform
