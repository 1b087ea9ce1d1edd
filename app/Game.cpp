#include "app/Game.h"

#include "app/UnitMain.h"

namespace zb {

int runGame(Platform& platform) {
    Application app(platform);
    app.title = "ズィルボ";
    if (!platform.acquireInstanceLock("ZBOTOGI")) return 0;

    TForm1 form(app);
    if (app.terminated()) return app.exitCode(); // a picture could not be read
    app.onClose = [&] {
        form.FormCloseQuery();
        app.terminate(0);
    };
    app.run();
    return app.exitCode();
}

} // namespace zb
