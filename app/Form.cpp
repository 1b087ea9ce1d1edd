// The game form's life: creation and the full reset behind the title screen,
// closing, and the small helpers every screen uses.

#include "app/UnitMain.h"

#include "sound/UnitSound.h"

namespace zb {

bool altKeyDown = false;
bool fullScreenActive = false;

namespace {
// What init reads before the title is shown, in the order it reads them; then
// the road, which the first race would otherwise read in the step it starts in.
std::vector<std::string> startUpBitmaps() {
    std::vector<std::string> paths{"img\\title.bmp", "img\\map1.bmp"};
    for (int n = 1; n <= 3; ++n)
        paths.push_back("img\\PIZZA" + std::to_string(n) + ".bmp");
    for (int i = 1; i <= 20; ++i)
        paths.push_back("img\\icon_" + TForm1::getTwoDigitString(i) + ".bmp");
    paths.push_back("img\\road.bmp");
    return paths;
}
} // namespace

TForm1::TForm1(Application& application)
    : Form("Form1"), app(application), platform(application.platform()),
      startBitmaps_(startUpBitmaps()) {
    colour = rgb(10, 10, 10);
    font = FontSpec{"ＭＳ Ｐゴシック", 12, false};
    width = 514;
    height = 385;
    createControls();
    bindFormHandlers();
    app.setMainForm(this);
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::FormCreate() {
    altKeyDown = false;
    fullScreenActive = false;
    platform.setCaption("ズィルボ");
    platform.setClientSize(514, 385);
    platform.centreWindow();
    init();
}

void TForm1::init() {
    random.randomize(platform.timeGetTime());
    masterLoad();
    openSoundEffects(*this);

    race.enemyNo = 0;
    currentPlace = 0;
    race.watchVer1 = 0;
    race.enemyVer = 0;
    race.backScrollMain = 0;
    race.backScrollSub = 0;
    race.gearMaxSpeed = kBaseGearMaxSpeed;

    rec = ProgressRecord{};
    for (int i = 1; i <= 2; ++i) {
        rec.accelWindowLow[static_cast<std::size_t>(i)] = 1;
        rec.accelWindowHigh[static_cast<std::size_t>(i)] = 10;
    }
    for (auto& row : rec.bestTime)
        for (auto& t : row)
            t = 9999;
    setPoints(0);

    mainPanel->setBounds(0, 0, 514, 385);
    mainPanel->colour = rgb(0, 0, 0);
    backImg->setPos(0, 0);

    if (master.backImageNo == 0) {
        master.backImageNo = 1;
        masterSave(); // the first start creates the master file; a failure is ignored
    }

    LoadImg(*backImg, "img\\title.bmp");
    if (fatalShown_) return;
    backImg->visible = true;

    layoutControls();
    for (int i = 1; i <= 4; ++i) {
        const std::string& stamp = master.slotStamps[static_cast<std::size_t>(i)];
        stampLabel[static_cast<std::size_t>(i)]->setCaption(stamp.empty() ? "NO DATA" : stamp);
    }
    LoadImg(*map, "img\\map1.bmp");
    if (fatalShown_) return;
    map->setPos(-map->width / 4, -map->height / 4);

    // The hero's three frames and empty frames for the rival; the place icons.
    for (int n = 1; n <= 3; ++n) {
        riderFrames[1][static_cast<std::size_t>(n)] =
            LoadBmp("img\\PIZZA" + std::to_string(n) + ".bmp");
        riderFrames[2][static_cast<std::size_t>(n)] = emptyImage_;
        riderFrames[3][static_cast<std::size_t>(n)] = emptyImage_;
    }
    for (int i = 1; i <= 20; ++i)
        placeIcons[static_cast<std::size_t>(i)] =
            LoadBmp("img\\icon_" + getTwoDigitString(i) + ".bmp");
    if (fatalShown_) return;

    placeTitle();
    fsinfoLabel->setCaption("フルスクリーン解除 : [Alt] + [Enter]キー");
    settingButton->setPicture(stock.get("settingButton1"));
    saveButton->setPicture(stock.get("saveButton1"));
}

void TForm1::FormCloseQuery() {
    // The desktop's display mode was never changed; leaving full screen is enough.
    if (fullScreenActive) platform.setFullScreen(false);
}

void TForm1::FormDestroy() {
    closeMusicPlayer();
    closeAllSoundEffects(*this);
    for (auto& frames : riderFrames)
        for (auto& f : frames)
            f.reset();
    for (auto& icon : placeIcons)
        icon.reset();
}

void TForm1::gameOverToTitle() {
    playSoundEffect(*this, 9);
    // The title is still: the game over menu's cursor stops with the menu.
    app.clearIdle();
    init();
    if (fatalShown_) return;
    if (fullScreenActive) {
        fullScreenLayout();
        // The reset hid the hint with every other control; full screen still
        // needs it, to tell the way out and to be clicked away.
        fsinfoLabel->visible = true;
    } else {
        windowedLayout();
    }
    screenMode = 0;
}

std::string TForm1::getTwoDigitString(int number) {
    std::string s = std::to_string(number);
    return number < 10 ? "0" + s : s;
}

void TForm1::checkKeyAccept(char32_t& key, const std::string& allowed) {
    if (key == 8) return;
    if (key < 128 && allowed.find(static_cast<char>(key)) != std::string::npos) return;
    key = 0;
}

} // namespace zb
