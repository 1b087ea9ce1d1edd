// The controls of the game window: created once with the form, placed at their
// windowed positions by every reset (init).

#include "app/ControlKit.h"
#include "app/UnitMain.h"

#include <cassert>

namespace zb {

namespace {

using namespace kit;

// Where every control stands in the window at a reset, and whether it is shown on
// the title screen. Positions are relative to the parent: the form for the
// form-level panels and buttons, the main panel for the game area. A width or
// height of -1 keeps the control's own size (a picture takes its picture's).
struct Placement {
    const char* name;
    int left, top, width, height;
    bool shown;
};

const Placement kLayout[] = {
    {"mainPanel", 0, 0, 514, 385, true},
    {"backImg", 0, 0, -1, -1, true},
    {"mapPanel", 27, 18, 460, 230, false},
    {"eye", 226, 34, 26, 24, true},
    {"wakuTop", 0, 0, 460, 6, true},
    {"wakuLeft", 0, 0, 6, 230, true},
    {"wakuBottom", 0, 224, 460, 6, true},
    {"wakuRight", 454, 0, 6, 230, true},
    {"map_arrow_up", 244, 1, -1, -1, false},
    {"map_arrow_down", 244, 250, -1, -1, false},
    {"map_arrow_left", 10, 120, -1, -1, false},
    {"map_arrow_right", 489, 120, -1, -1, false},
    {"iconMap", 12, 287, 90, 74, false},
    {"weatherPanel", 10, 237, 36, 22, false},
    {"ptsPanel", 397, 237, 109, 22, false},
    {"infoPanel", 196, 40, 122, 24, false},
    {"savePanel", 123, 104, 266, 91, false},
    {"dataCursor", 9, 5, -1, -1, false},
    {"selectPanel", 190, 104, 136, 48, false},
    {"selectCursor", 9, 5, -1, -1, true},
    {"itemPanel", 0, 0, 515, 272, false},
    {"itemListLabel", 35, 21, -1, -1, true},
    {"numTextPanel1", 10, 284, 56, 22, false},
    {"numTextPanel2", 100, 284, 56, 22, false},
    {"facePanel", 398, 175, 102, 102, false},
    {"jacket", 16, 16, -1, -1, false},
    {"waku1", -1, 271, -1, -1, false},
    {"MesBox", 0, 290, 520, 116, false},
    {"waku2", -1, -25, -1, -1, false},
    {"name1", 7, 277, -1, -1, true},
    {"name2", 402, 3, -1, -1, true},
    {"bgImgMain", 0, -1, 514, 181, false},
    {"bgImgMain2", 514, -1, 514, 181, false},
    {"bgImgRoad", 0, 179, 514, 189, false},
    {"bgImgSub", 0, -1, 514, 182, false},
    {"bgImgSub2", 514, -1, 514, 182, false},
    {"chara1", 0, 181, -1, -1, false},
    {"chara2", 0, 139, -1, -1, false},
    {"chara3", 0, 139, -1, -1, false},
    {"charaEx", 0, 80, -1, -1, false},
    {"wmeter", 44, 277, -1, -1, false},
    {"meterBackImg", 50, 284, -1, -1, false},
    {"meterImg", 51, 284, 0, -1, false},
    {"n100", 67, 320, -1, -1, false},
    {"n10", 82, 320, -1, -1, false},
    {"n1", 97, 320, -1, -1, false},
    {"n200", 385, 32, -1, -1, false},
    {"n20", 400, 32, -1, -1, false},
    {"n2", 415, 32, -1, -1, false},
    {"km1", 118, 332, -1, -1, false},
    {"km12", 117, 331, -1, -1, false},
    {"km2", 436, 44, -1, -1, false},
    {"km22", 435, 43, -1, -1, false},
    {"tama", 17, 316, -1, -1, false},
    {"wgr", 32, 310, -1, -1, false},
    {"ngear", 40, 314, -1, -1, false},
    {"wgear", 15, 290, -1, -1, false},
    {"hintLeft", 314, 278, -1, -1, false},
    {"grup", 314, 290, -1, -1, false},
    {"grdown", 314, 318, -1, -1, false},
    {"hintRight", 342, 278, -1, -1, false},
    {"brake", 342, 290, -1, -1, false},
    {"guidebar", 400, 337, -1, -1, false},
    {"guide", 396, 333, -1, -1, false},
    {"vsDistance1", 401, 351, -1, -1, false},
    {"vsDistance2", 400, 350, -1, -1, false},
    {"audience", 374, 294, -1, -1, false},
    {"extraPts1", 441, 301, -1, -1, false},
    {"extraPts2", 440, 300, -1, -1, false},
    {"wind", 520, 120, -1, -1, false},
    {"SignalBar", 220, 25, -1, -1, false},
    {"SigBoxLeft", 195, 15, -1, -1, false},
    {"SigBoxRight", 290, 15, -1, -1, false},
    {"pi", 210, 15, -1, -1, false},
    {"sigback", 194, 10, -1, -1, false},
    {"sigcnt2", 252, 41, -1, -1, false},
    {"sigcnt", 254, 42, -1, -1, false},
    {"flying", 204, 160, -1, -1, false},
    {"recrd1", 218, 344, -1, -1, false},
    {"recrd12", 216, 343, -1, -1, false},
    {"sec1", 277, 350, -1, -1, false},
    {"sec12", 276, 349, -1, -1, false},
    {"recrd2", 218, 10, -1, -1, false},
    {"recrd22", 216, 9, -1, -1, false},
    {"sec2", 277, 16, -1, -1, false},
    {"sec22", 276, 15, -1, -1, false},
    {"newRecord", 208, 328, -1, -1, false},
    {"newRecord2", 207, 327, -1, -1, false},
    {"resu1", 68, 306, -1, -1, false},
    {"resu2", 362, 36, -1, -1, false},
    {"earnedPts", 33, 316, -1, -1, false},
    {"cursor", 495, 355, 10, 9, false},
    {"textinfo", 250, 263, -1, -1, false},
    {"fsinfo", 303, 270, -1, -1, true},
    {"endPict", 450, 340, -1, -1, false},
    {"goButton", 428, 338, 64, 24, false},
    {"commonBackButton", 428, 338, 64, 24, false},
    {"buyButton", 194, 237, 44, 24, false},
    {"equipButton", 244, 237, 76, 24, false},
    {"settingButton", 454, 283, -1, -1, false},
    {"saveButton", 482, 283, -1, -1, false},
    {"saveinfo", 461, 304, -1, -1, false},
    {"endTutorButton", 1, 1, 74, 22, false},
    {"resetButton", 77, 1, 64, 22, false},
    {"tutorBack", 143, 70, -1, -1, false},
    {"tutorLabel1", 155, 81, -1, -1, false},
    {"tutorLabel2", 155, 102, -1, -1, false},
    {"tutorLabel3", 155, 123, -1, -1, false},
    {"tutorLabel4", 155, 144, -1, -1, false},
    {"prevButton", 219, 172, 72, 22, false},
    {"nextButton", 295, 172, 72, 22, false},
    {"tutorCircle", 37, 181, -1, -1, false},
    {"newGameButton", 401, 304, 100, 25, true},
    {"continueButton", 401, 335, 100, 25, true},
    {"objectImg", 0, 0, -1, -1, false},
    {"rainPict", 0, 0, -1, -1, false},
    {"fsinfoLabel", 0, 0, 520, 12, false},
};

} // namespace

void TForm1::createControls() {
    Form& f = *this;

    // The game area. Children are listed back to front: backgrounds, riders,
    // frames, the message window, then marks and buttons on top.
    mainPanel = make<Panel>(f, "mainPanel", 514, 385);
    Panel& m = *mainPanel;
    backImg = picture(m, "backImg", false);
    bgImgMain = picture(m, "bgImgMain", false);
    bgImgMain2 = picture(m, "bgImgMain2", false);
    bgImgSub = picture(m, "bgImgSub");
    bgImgSub2 = picture(m, "bgImgSub2");
    bgImgRoad = picture(m, "bgImgRoad");
    for (Picture* p : {bgImgMain, bgImgMain2, bgImgSub, bgImgSub2, bgImgRoad})
        p->autoSize = false;
    objectImg = picture(m, "objectImg");
    chara3 = picture(m, "chara3");
    chara2 = picture(m, "chara2");
    charaEx = picture(m, "charaEx");
    chara1 = picture(m, "chara1");
    wind = picture(m, "wind");
    rainPict = picture(m, "rainPict");
    flying = picture(m, "flying");
    sigback = picture(m, "sigback");
    SigBoxLeft = picture(m, "SigBoxLeft");
    SigBoxRight = picture(m, "SigBoxRight");
    SignalBar = picture(m, "SignalBar");
    pi = picture(m, "pi");
    sigcnt2 = label(m, "sigcnt2", "", kGothic16, kShadow);
    sigcnt = label(m, "sigcnt", "", kGothic16, kWhite);
    waku2 = picture(m, "waku2");
    name2 = label(m, "name2", "", kPGothic13, kWhite);
    n200 = picture(m, "n200");
    n20 = picture(m, "n20");
    n2 = picture(m, "n2");
    km22 = label(m, "km22", "km/h", kPGothic12Bold, kShadow);
    km2 = label(m, "km2", "km/h", kPGothic12Bold, kWhite);
    recrd22 = label(m, "recrd22", "", kGothic16, kShadow);
    recrd2 = label(m, "recrd2", "", kGothic16, kWhite);
    sec22 = label(m, "sec22", "sec", kPGothic12Bold, kShadow);
    sec2 = label(m, "sec2", "sec", kPGothic12Bold, kWhite);
    resu2 = picture(m, "resu2");

    MesBox = make<Shape>(m, "MesBox", 520, 116);
    MesBox->brush = rgb(0, 0, 0);
    MesBox->pen = rgb(0, 0, 0);
    waku1 = picture(m, "waku1");
    name1 = label(m, "name1", "", kPGothic13, kWhite);
    line1 = label(m, "line1", "", kGothic16, kWhite);
    line2 = label(m, "line2", "", kGothic16, kWhite);
    line3 = label(m, "line3", "", kGothic16, kWhite);
    cursor = picture(m, "cursor");
    iconMap = picture(m, "iconMap", false);
    iconMap->autoSize = false;

    wmeter = picture(m, "wmeter");
    meterBackImg = picture(m, "meterBackImg");
    meterImg = picture(m, "meterImg", false);
    meterImg->autoSize = false;
    n100 = picture(m, "n100");
    n10 = picture(m, "n10");
    n1 = picture(m, "n1");
    km12 = label(m, "km12", "km/h", kPGothic12Bold, kShadow);
    km1 = label(m, "km1", "km/h", kPGothic12Bold, kWhite);
    wgear = picture(m, "wgear");
    wgr = picture(m, "wgr");
    tama = picture(m, "tama");
    ngear = label(m, "ngear", "N", kPGothic12Bold, rgb(0, 255, 0));
    hintLeft = picture(m, "hintLeft");
    grup = picture(m, "grup");
    grdown = picture(m, "grdown");
    hintRight = picture(m, "hintRight");
    brake = picture(m, "brake");
    guidebar = picture(m, "guidebar");
    guide = picture(m, "guide");
    vsDistance2 = label(m, "vsDistance2", "", kPGothic12Bold, kShadow);
    vsDistance1 = label(m, "vsDistance1", "", kPGothic12Bold, kWhite);
    audience = picture(m, "audience");
    extraPts2 = label(m, "extraPts2", "", kPGothic12Bold, kShadow);
    extraPts1 = label(m, "extraPts1", "", kPGothic12Bold, kWhite);
    recrd12 = label(m, "recrd12", "", kGothic16, kShadow);
    recrd1 = label(m, "recrd1", "", kGothic16, kWhite);
    sec12 = label(m, "sec12", "sec", kPGothic12Bold, kShadow);
    sec1 = label(m, "sec1", "sec", kPGothic12Bold, kWhite);
    newRecord = label(m, "newRecord", "New Record !!", kPGothic12Bold, kShadow);
    newRecord2 = label(m, "newRecord2", "New Record !!", kPGothic12Bold, rgb(255, 0, 0));
    resu1 = picture(m, "resu1");
    earnedPts = label(m, "earnedPts", "", kGothic16, kWhite);

    textinfo = picture(m, "textinfo");
    fsinfo = picture(m, "fsinfo");
    endPict = picture(m, "endPict");
    map_arrow_up = picture(m, "map_arrow_up");
    map_arrow_down = picture(m, "map_arrow_down");
    map_arrow_left = picture(m, "map_arrow_left");
    map_arrow_right = picture(m, "map_arrow_right");
    settingButton = picture(m, "settingButton");
    saveButton = picture(m, "saveButton");
    saveinfo = picture(m, "saveinfo");
    goButton = button(m, "goButton", "入る");
    commonBackButton = button(m, "commonBackButton", "戻る");
    resetButton = button(m, "resetButton", "リセット");
    createSchoolControls(); // the lesson's panel and circle, over the race screen

    // Panels on the form itself, above the game area.
    // The map first: the weather and points panels overlap its lower edge.
    mapPanel = make<Panel>(f, "mapPanel");
    map = picture(*mapPanel, "map", false);
    star = picture(*mapPanel, "star");
    star->visible = false;
    eye = picture(*mapPanel, "eye");
    wakuTop = picture(*mapPanel, "wakuTop", false);
    wakuLeft = picture(*mapPanel, "wakuLeft", false);
    wakuBottom = picture(*mapPanel, "wakuBottom", false);
    wakuRight = picture(*mapPanel, "wakuRight", false);

    weatherPanel = make<Panel>(f, "weatherPanel");
    weatherBack = picture(*weatherPanel, "weatherBack", false);
    weatherIcon = picture(*weatherPanel, "weatherIcon");
    weatherIcon->setBounds(9, 2, 18, 18);
    ptsPanel = make<Panel>(f, "ptsPanel");
    ptsPanel->colour = rgb(0, 0, 0);
    ptsLabel = label(*ptsPanel, "ptsLabel", "0", kGothic13Bold, kWhite);
    ptsLabel->top = 4;

    itemPanel = make<Panel>(f, "itemPanel"); // filled in the shop block below

    savePanel = make<Panel>(f, "savePanel");
    saveBack = picture(*savePanel, "saveBack", false);
    dataCursor = picture(*savePanel, "dataCursor");
    static const int kRowTops[5] = {0, 11, 30, 49, 68};
    for (int i = 1; i <= 4; ++i) {
        std::string n = std::to_string(i);
        Label* row = label(*savePanel, ("data" + n + "Label").c_str(), "SLOT " + n + " -  ",
                           kGothic13Bold, kWhite);
        row->setPos(20, kRowTops[i]);
        Label* stamp =
            label(*savePanel, ("stamp" + n + "Label").c_str(), "NO DATA", kGothic13Bold, kWhite);
        stamp->setPos(96, kRowTops[i]);
        dataLabel[static_cast<std::size_t>(i)] = row;
        stampLabel[static_cast<std::size_t>(i)] = stamp;
    }

    infoPanel = make<Panel>(f, "infoPanel");
    infoLabel = label(*infoPanel, "infoLabel", "", kGothic13Bold, kWhite);
    infoLabel->setPos(8, 5);

    facePanel = make<Panel>(f, "facePanel");
    face = picture(*facePanel, "face", false);
    face->autoSize = false;
    face->setBounds(1, 1, 100, 100);

    selectPanel = make<Panel>(f, "selectPanel");
    selectBack = picture(*selectPanel, "selectBack", false);
    selectCursor = picture(*selectPanel, "selectCursor");
    choice1Label = label(*selectPanel, "choice1Label", "", kGothic13Bold, kWhite);
    choice1Label->setPos(20, 8);
    choice2Label = label(*selectPanel, "choice2Label", "", kGothic13Bold, kWhite);
    choice2Label->setPos(20, 27);

    numTextPanel1 = make<Panel>(f, "numTextPanel1");
    numTextPanel2 = make<Panel>(f, "numTextPanel2");
    for (Panel* p : {numTextPanel1, numTextPanel2})
        p->colour = rgb(32, 32, 32);

    createShopControls();
    // The jacket picture of the last screen lies over the records view.
    jacket = picture(*itemPanel, "jacket", false);

    newGameButton = button(f, "newGameButton", "ニューゲーム");
    continueButton = button(f, "continueButton", "コンティニュー");
    buyButton = button(f, "buyButton", "買う");
    equipButton = button(f, "equipButton", "装備する");
    endTutorButton = button(f, "endTutorButton", "教習終了");

    fsinfoLabel = label(f, "fsinfoLabel", "", kPGothic12, rgb(200, 200, 200));
    fsinfoLabel->autoSize = false;

    // Stock pictures shown from the start.
    for (const char* n :
         {"eye", "wakuTop", "wakuLeft", "wakuBottom", "wakuRight", "map_arrow_up", "map_arrow_down",
          "map_arrow_left", "map_arrow_right", "saveBack", "selectBack", "fsinfo", "textinfo",
          "cursor", "endPict", "star", "saveinfo"}) {
        auto* p = static_cast<Picture*>(find(n));
        assert(p);
        p->setPicture(stock.get(n));
    }
    // The race screen's fixed pictures.
    for (Picture* p :
         {wmeter, meterBackImg, tama, wgr, hintLeft, hintRight, guidebar, guide, sigback,
          SigBoxLeft, SigBoxRight, SignalBar, pi, flying, rainPict, weatherBack})
        p->setPicture(stock.get(p->name));
    meterImg->setPicture(stock.get("meterImg"));
    meterImg->height = meterImg->picture() ? meterImg->picture()->height : 0;
    wgear->setPicture(stock.get("wgear1"));
    brake->setPicture(stock.get("brake1"));
    grup->setPicture(stock.get("grup1"));
    grdown->setPicture(stock.get("grdown1"));
    audience->setPicture(stock.get("audience1"));
    dataCursor->setPicture(stock.get("dataCursor1"));
    selectCursor->setPicture(stock.get("selectCursor1"));
    waku1->setPicture(stock.get("wakuImg1"));
    waku2->setPicture(stock.get("waku2"));

    // Reference arrays.
    lines = {nullptr, line1, line2, line3};
    names = {nullptr, name1, name2};
    riders = {nullptr, chara1, chara2, chara3};
    speedDigits[1] = {nullptr, n100, n10, n1};
    speedDigits[2] = {nullptr, n200, n20, n2};
    timeLabels = {nullptr, recrd1, recrd2};
    resultPics = {nullptr, resu1, resu2};
}

void TForm1::layoutControls() {
    for (const Placement& p : kLayout) {
        Control* c = find(p.name);
        assert(c && "every placed control exists");
        c->left = p.left;
        c->top = p.top;
        if (p.width >= 0) c->width = p.width;
        if (p.height >= 0) c->height = p.height;
        c->visible = p.shown;
    }
    for (Label* l : {line1, line2, line3}) {
        l->setCaption("");
        l->left = 12;
    }
    line1->top = 302;
    line2->top = 323;
    line3->top = 344;
}

void TForm1::bindFormHandlers() {
    // Screens with handlers of their own bind them first; the routing below
    // leaves controls that have handlers alone.
    bindMapHandlers();
    bindDataMenuHandlers();
    bindChoiceHandlers();
    bindRaceHandlers();
    bindShopHandlers();
    bindSchoolHandlers();

    // Every control a click can land on during a race or a scene passes it to
    // the form's routing, unless it has handlers of its own.
    auto bindMouse = [this](Control& c) {
        if (!c.onMouseDown)
            c.onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
                FormMouseDown(s, b, sh, x, y);
            };
        if (!c.onMouseUp)
            c.onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
                FormMouseUp(s, b, sh, x, y);
            };
    };
    auto walk = [&](auto&& self, Control& c) -> void {
        if (dynamic_cast<Button*>(&c) == nullptr) bindMouse(c);
        for (auto& k : c.children())
            self(self, *k);
    };
    bindMouse(*this);
    walk(walk, *mainPanel);
    walk(walk, *facePanel);

    // Keys reach the form, or the focused button, which passes them on.
    auto keyDown = [this](Control& s, std::uint16_t& k, ShiftState sh) { FormKeyDown(s, k, sh); };
    auto keyUp = [this](Control& s, std::uint16_t& k, ShiftState sh) { FormKeyUp(s, k, sh); };
    onKeyDown = keyDown;
    onKeyUp = keyUp;
    auto walkKeys = [&](auto&& self, Control& c) -> void {
        if (dynamic_cast<Button*>(&c) && !c.onKeyDown) {
            c.onKeyDown = keyDown;
            c.onKeyUp = keyUp;
        }
        for (auto& k : c.children())
            self(self, *k);
    };
    walkKeys(walkKeys, *this);

    fsinfoLabel->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        fsinfoLabelMouseDown(s, b, sh, x, y);
    };
    fsinfoLabel->onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        fsinfoLabelMouseUp(s, b, sh, x, y);
    };
    newGameButton->onClick = [this](Control&) { newGameButtonClick(); };
    goButton->onClick = [this](Control&) { goButtonClick(); };
    commonBackButton->onClick = [this](Control&) { commonBackButtonClick(); };
    continueButton->onClick = [this](Control&) { continueButtonClick(); };
}

} // namespace zb
