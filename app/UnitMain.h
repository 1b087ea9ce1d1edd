#pragma once
// The game form: the one window of the game and the owner of all its state. Each
// subsystem keeps its state in a plain struct of its own folder and its behaviour
// in that folder's sources; they meet here, as members and methods of the form.
//
//   app/     start-up, the mode loop and input routing, window, full screen, images
//   save/    progress record, slot files and the master file
//   sound/   sound effects and music
//   race/    the bike, the rivals, the race, weather and effects
//   map/     the map screen, places and transitions
//   story/   scenes, story progression, game over and the ending
//   shop/    parts shop, equipment and the setting screen
//   school/  the driving school

#include "app/FormControls.h"
#include "app/Random.h"
#include "app/StockPictures.h"
#include "race/RaceState.h"
#include "save/ProgressRecord.h"
#include "story/SceneState.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <array>
#include <cstdint>
#include <string>

namespace zb {

// Process-wide flags, zero at start.
extern bool altKeyDown;       // the Alt key is being held
extern bool fullScreenActive; // the 640 x 480 full-screen layout is in force

// Offset added to every form-level panel while full screen is active.
constexpr int kFullScreenDX = 63;
constexpr int kFullScreenDY = 48;

// The idle handlers' periods in milliseconds: animation and racing 20, blinking
// cursors 180, the false-start notice 600.
constexpr std::uint32_t kStepPeriod = 20;
constexpr std::uint32_t kCursorPeriod = 180;
constexpr std::uint32_t kFlyingPeriod = 600;

class TForm1 : public Form, public FormControls {
  public:
    // Creating the form runs FormCreate; destroying it runs FormDestroy.
    explicit TForm1(Application& application);
    ~TForm1() override;

    Application& app;
    Platform& platform;
    StockPictures stock;
    Random random;

    // --- shell ---
    std::uint8_t screenMode = 0; // the screen shown now, 0..21
    std::int32_t lastTick = 0;   // clock at the last step of the idle handler
    std::uint8_t cursorPhase = 0;
    std::uint8_t tutorCirclePhase = 0;
    std::uint8_t bgmNo = 0;

    // --- state owned by the subsystems ---
    ProgressRecord rec;                    // the player's progress (saved in the slot files)
    MasterFile master;                     // slot stamps and the frame background (dat\data.bin)
    RaceState race;                        // bike, rival and race
    SceneState scene;                      // scene presentation and story progression
    std::uint8_t currentPlace = 0;         // place under the map marker, 0 = none
    std::array<ImagePtr, 21> placeIcons{}; // [1..20]

    // ===== app/: start-up, form, mode loop and routing =====
    void FormCreate();
    void init();
    void FormCloseQuery();
    void FormDestroy();
    void FormKeyDown(Control& sender, std::uint16_t& key, ShiftState shift);
    void FormKeyUp(Control& sender, std::uint16_t& key, ShiftState shift);
    void FormMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void FormMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void mouseUpCommon();
    void newGameButtonClick();
    void continueButtonClick();
    void gameOverToTitle();
    static void checkKeyAccept(char32_t& key, const std::string& allowed);
    static std::string getTwoDigitString(int number);

    // Changing screen: set the mode, read the clock into lastTick, install.
    void installIdle(const char* handlerName, std::uint32_t period, void (TForm1::*step)());
    void clearIdle();
    void setScreenMode(std::uint8_t mode) { screenMode = mode; }

    // ===== app/: window, full screen and images =====
    void ToggleFullScreen();
    void adjustWidthHeight(std::uint8_t on);
    void setPosPanel(int& x, int& y) const;
    void setPosForm(int& y) const;
    void fsinfoLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void fsinfoLabelMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    // Reads a picture file; an unreadable picture ends the game (fatalImage).
    ImagePtr LoadBmp(const std::string& gamePath);
    void LoadImg(Picture& picture, const std::string& gamePath);
    void LoadBackImg();
    bool fatalErrorShown() const { return fatalShown_; }

    // ===== save/ =====
    bool masterLoad();
    bool masterSave();
    void startDataMenu();

    // ===== sound/ =====
    void StopBGM();
    void closeMusicPlayer();

    // ===== shop/ =====
    void setPoints(std::int32_t v);

    // ===== race/ =====
    bool TFbrake() const { return rec.equippedItems[22] == 1; }
    bool TFauto() const { return rec.equippedItems[23] == 1; }
    void clutch();
    void accel();
    void gearUp();
    void gearDown();
    void checkGearshiftAccel();
    static int getGearshiftAccelSpeed(int speed);
    void shiftTo(std::uint8_t newGear);
    void getReadyToStart();
    void battleTo();
    void setOpt(std::uint8_t on);
    void setWater(std::uint8_t on);

    // ===== map/ =====
    void mapToEvent(std::uint8_t place);
    void backToMap();

    // ===== story/ =====
    void event();
    void battleEvent();
    bool isEventMoveDone() const;
    void finishEventMoves();
    void battleEventStart();
    bool isAfterBattleEvent();
    void eventToGameOver();

    // ===== school/ =====
    void getReadyToTutor();

  private:
    void createControls();   // app/Layout.cpp
    void layoutControls();   // app/Layout.cpp
    void bindFormHandlers(); // app/Layout.cpp
    void placeTitle();
    void fatalImage(const std::string& gamePath);
    void windowedLayout();
    void fullScreenLayout();

    bool fatalShown_ = false;
    ImagePtr emptyImage_;
};

} // namespace zb
