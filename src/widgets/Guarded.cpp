#include "widgets/Guarded.h"

#include "common/Failure.h"
#include "widgets/Dialogs.h"

#include <new>

bool runGuarded(QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const rivet::Failure& failure) {
        Dialogs::current().showError(parent, QString::fromStdString(failure.what()));
    } catch (const std::bad_alloc&) {
        Dialogs::current().showError(parent, "メモリが足りません");
    } catch (const std::exception& failure) {
        Dialogs::current().showError(parent, QString::fromLocal8Bit(failure.what()));
    } catch (...) {
        Dialogs::current().showError(parent, "予期しないエラーが発生しました");
    }
    return false;
}
