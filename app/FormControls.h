#pragma once
// Every control of the game window, by the name the game gives it. They are
// created once when the form is made (Layout.cpp) at their windowed positions and
// live as long as the form; the screens only move, show, hide and fill them.

#include "ui/Control.h"
#include "ui/ListBox.h"
#include "ui/NumberEdit.h"
#include "ui/TabControl.h"

#include <array>

namespace zb {

struct FormControls {
    // --- the game area and what lies on it (children of mainPanel) ---
    Panel* mainPanel = nullptr;
    Picture* backImg = nullptr; // full-area background / still background of a scene

    // race screen backgrounds and riders
    Picture* bgImgMain = nullptr;
    Picture* bgImgMain2 = nullptr;
    Picture* bgImgSub = nullptr;
    Picture* bgImgSub2 = nullptr;
    Picture* bgImgRoad = nullptr;
    Picture* chara1 = nullptr;
    Picture* chara2 = nullptr;
    Picture* chara3 = nullptr;
    Picture* charaEx = nullptr;
    Picture* objectImg = nullptr;
    Picture* jacket = nullptr;
    Picture* rainPict = nullptr;
    Picture* wind = nullptr;
    Picture* flying = nullptr;

    // start signal
    Picture* SignalBar = nullptr;
    Picture* SigBoxLeft = nullptr;
    Picture* SigBoxRight = nullptr;
    Picture* pi = nullptr;
    Picture* sigback = nullptr;
    Label* sigcnt2 = nullptr;
    Label* sigcnt = nullptr;

    // frames and the message window
    Picture* waku2 = nullptr;
    Shape* MesBox = nullptr;
    Picture* waku1 = nullptr;
    Label* name1 = nullptr;
    Label* name2 = nullptr;
    Label* line1 = nullptr;
    Label* line2 = nullptr;
    Label* line3 = nullptr;
    Picture* cursor = nullptr;

    // tachometer, speed and gears
    Picture* wmeter = nullptr;
    Picture* meterBackImg = nullptr;
    Picture* meterImg = nullptr;
    Picture* n100 = nullptr;
    Picture* n10 = nullptr;
    Picture* n1 = nullptr;
    Picture* n200 = nullptr;
    Picture* n20 = nullptr;
    Picture* n2 = nullptr;
    Label* km1 = nullptr;
    Label* km12 = nullptr;
    Label* km2 = nullptr;
    Label* km22 = nullptr;
    Picture* wgear = nullptr;
    Picture* tama = nullptr;
    Picture* wgr = nullptr;
    Label* ngear = nullptr;
    Picture* hintLeft = nullptr;
    Picture* grup = nullptr;
    Picture* grdown = nullptr;
    Picture* hintRight = nullptr;
    Picture* brake = nullptr;

    // distance gauge, crowd, times and results
    Picture* guidebar = nullptr;
    Picture* guide = nullptr;
    Label* vsDistance1 = nullptr;
    Label* vsDistance2 = nullptr;
    Picture* audience = nullptr;
    Label* extraPts1 = nullptr;
    Label* extraPts2 = nullptr;
    Label* recrd1 = nullptr;
    Label* recrd12 = nullptr;
    Label* sec1 = nullptr;
    Label* sec12 = nullptr;
    Label* recrd2 = nullptr;
    Label* recrd22 = nullptr;
    Label* sec2 = nullptr;
    Label* sec22 = nullptr;
    Label* newRecord = nullptr;
    Label* newRecord2 = nullptr;
    Picture* resu1 = nullptr;
    Picture* resu2 = nullptr;
    Label* earnedPts = nullptr;

    // hints, marks and buttons on the game area
    Picture* textinfo = nullptr;
    Picture* fsinfo = nullptr;
    Picture* endPict = nullptr;
    Button* goButton = nullptr;
    Button* commonBackButton = nullptr;
    Picture* settingButton = nullptr;
    Picture* saveButton = nullptr;
    Picture* saveinfo = nullptr;
    Button* resetButton = nullptr;
    Picture* tutorBack = nullptr; // the lesson's panel, its four lines and buttons
    Label* tutorLabel1 = nullptr;
    Label* tutorLabel2 = nullptr;
    Label* tutorLabel3 = nullptr;
    Label* tutorLabel4 = nullptr;
    Button* prevButton = nullptr;
    Button* nextButton = nullptr;
    Picture* tutorCircle = nullptr; // the lesson's hint circle
    Picture* iconMap = nullptr;
    Picture* map_arrow_up = nullptr;
    Picture* map_arrow_down = nullptr;
    Picture* map_arrow_left = nullptr;
    Picture* map_arrow_right = nullptr;

    // --- panels on the form itself (shifted in full screen) ---
    Label* fsinfoLabel = nullptr; // full-screen hint at the form's top left
    Panel* weatherPanel = nullptr;
    Picture* weatherBack = nullptr;
    Picture* weatherIcon = nullptr;
    Panel* ptsPanel = nullptr;
    Label* ptsLabel = nullptr;
    Panel* mapPanel = nullptr;
    Picture* map = nullptr;
    Picture* star = nullptr;
    Picture* eye = nullptr;
    Picture* wakuTop = nullptr;
    Picture* wakuLeft = nullptr;
    Picture* wakuBottom = nullptr;
    Picture* wakuRight = nullptr;
    Panel* itemPanel = nullptr;
    Label* itemListLabel = nullptr;
    Panel* savePanel = nullptr;
    Picture* saveBack = nullptr;
    Picture* dataCursor = nullptr;
    Panel* infoPanel = nullptr;
    Label* infoLabel = nullptr;
    Panel* facePanel = nullptr;
    Picture* face = nullptr;
    Panel* selectPanel = nullptr;
    Picture* selectBack = nullptr;
    Picture* selectCursor = nullptr;
    Label* choice1Label = nullptr;
    Label* choice2Label = nullptr;
    Panel* numTextPanel1 = nullptr;
    Panel* numTextPanel2 = nullptr;
    Button* newGameButton = nullptr;
    Button* continueButton = nullptr;
    Button* buyButton = nullptr;
    Button* equipButton = nullptr;
    Button* endTutorButton = nullptr;

    // data menu rows: "SLOT N -" labels and their stamps, [1..4]
    std::array<Label*, 5> dataLabel{};
    std::array<Label*, 5> stampLabel{};
    // setting screen record columns, six rows each, [1..6]
    std::array<Label*, 7> grLabel{};
    std::array<Label*, 7> grPctLabel{};
    std::array<Label*, 7> maxSpdLabel{};

    // --- the shop and the setting screen (children of itemPanel and the number panels) ---
    Picture* itemBack = nullptr;    // the panel's background picture
    ListBox* itemList = nullptr;    // the shop's list
    TabControl* itemTab = nullptr;  // "パーツ１", "パーツ２", "オプション"
    ListBox* parts1List = nullptr;  // owned items 0..10
    ListBox* parts2List = nullptr;  // owned items 11..21
    ListBox* option1List = nullptr; // owned items 22..30
    Picture* legend = nullptr;      // "● ： 装備中"
    Label* viewModeLabel = nullptr; // title of the setting screen's view
    Button* changeViewButton = nullptr;
    // the records view: [distance 0 = 400 m, 1 = 1000 m][weather 0 sunny, 1 rain, 2 wind]
    std::array<Label*, 2> recordHeading{}; // "■ 400 m", "■ 1000 m"
    std::array<std::array<Label*, 3>, 2> recordWeatherLabel{};
    std::array<std::array<Label*, 3>, 2> recordTimeLabel{};
    std::array<std::array<Label*, 3>, 2> recordSpeedLabel{};
    // the gear-shift accelerator's window: low end in numTextPanel1, high end in numTextPanel2
    NumberEdit* numEdit1 = nullptr;
    NumberEdit* numEdit2 = nullptr;
    UpDown* numUpDown1 = nullptr;
    UpDown* numUpDown2 = nullptr;

    // Reference arrays through which the game addresses like controls by number.
    std::array<Label*, 4> lines{};    // [1..3] message lines
    std::array<Label*, 3> names{};    // [1..2] name labels
    std::array<Picture*, 4> riders{}; // [1..3] rider slots (slot 3 may point at charaEx)
    std::array<std::array<ImagePtr, 4>, 4> riderFrames{}; // [slot][frame 1..3]
    std::array<std::array<Picture*, 4>, 3> speedDigits{}; // [lane 1..2][hundreds, tens, units]
    std::array<Label*, 3> timeLabels{};                   // [lane 1..2]
    std::array<Picture*, 3> resultPics{};                 // [lane 1..2]
    std::array<Label*, 5> tutorLabels{};                  // [1..4] the lesson's lines
};

} // namespace zb
