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

#include "app/BitmapPrefetch.h"
#include "app/FormControls.h"
#include "app/Random.h"
#include "app/StockPictures.h"
#include "map/MapState.h"
#include "race/RaceState.h"
#include "save/ProgressRecord.h"
#include "save/StoryFlags.h"
#include "story/SceneState.h"
#include "story/Script.h"
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

  private:
    // Declared before the stock pictures: the bitmaps the title needs are read
    // on a thread of their own while those are painted.
    BitmapPrefetch startBitmaps_;

  public:
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
    MapState mapState;                     // the map screen
    std::uint8_t currentPlace = 0;         // place under the map marker, 0 = none
    std::array<ImagePtr, 21> placeIcons{}; // [1..20]

    std::uint8_t& flag(StoryFlag f) { return rec.storyFlags[f]; }
    std::uint8_t flag(StoryFlag f) const { return rec.storyFlags[f]; }

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
    void showNextFrame(Picture& picture, std::uint8_t& phase, const std::string& stem);
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
    bool tsSave(int slot); // slot 1..4
    bool dSave(int slot);
    bool dLoad(int slot);
    void loadData(int slot);
    void startDataMenu();
    void mapToSave();
    void AppDataMenuCursor();
    void data1LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void data2LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void data3LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void data4LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void dataLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void saveBackMouseLeave(Control& sender);
    void dataCursorMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void saveButtonMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void saveButtonMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);

    // ===== sound/: music (Music.cpp) =====
    // Pieces 1..23 loop through the 100 ms Mp3Timer; 24 plays once. The map, the
    // race start and the school use changeBGM (a piece already playing goes on);
    // scenes and the shop set bgmNo and call PlayBGM, which always restarts.
    int Mp3Timer = -1; // the timer's id on the application, made on first use
    MusicPlayer& mp3player();
    bool PlayMP3(const std::string& file); // false when it cannot be opened or played
    void PlayBGM();
    void StopBGM();
    void Mp3TimerTimer();
    void setMp3TimerEnabled(bool on);
    bool mp3TimerEnabled() const;
    void changeBGM(std::uint8_t n); // compare, stop, set, play
    void playFieldBGM();
    void playRaceBGM();
    // Scenes work the player directly; bgmNo stays. pauseBGM toggles pause and
    // resume, haltBGM stops where the piece stands, resumeBGM plays on from there
    // (looping again unless `loop` is false). All three switch the timer.
    void pauseBGM();
    void haltBGM();
    void resumeBGM(bool loop = true);
    // The piece has ended, was stopped, or none is open (the ending waits for it).
    bool bgmStopped();
    void closeMusicPlayer();

    // ===== shop/: items, the parts shop and the points (Items.cpp, Shop.cpp, Points.cpp) =====
    std::int32_t shownPoints = 0; // the points display while it counts down after a purchase
    bool numEditChecksOn = false; // the number boxes were first filled by an explanation
    void setPoints(std::int32_t v);
    void addPoints(std::int32_t n); // never past what the balance can hold
    // The item a list entry names; 31 when it names none.
    static int getItemIndex(const std::string& text);
    bool isUnPurchasableItem(int item) const;
    void setItemList();
    void setOwnItemList();
    void mapToItem(); // the shop in mode 9, the bike setting in mode 10
    ListBox* currentTabList() const;
    void buyItemSelected();
    void ownItemSelected(ListBox& list);
    void showItemExplanation(int item, bool withPrice);
    void buyButtonClick(Control& sender);
    void AppPayPts();
    void itemTabChange(Control& sender);
    void changeItemTab();
    void selectItemTab(int item);
    void itemListEnter(Control& sender);
    void parts1ListEnter(Control& sender);
    void parts2ListEnter(Control& sender);
    void option1ListEnter(Control& sender);
    void option2ListEnter(Control& sender);
    void itemListKeyDown(Control& sender, std::uint16_t& key, ShiftState shift);
    void itemListMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void listTabMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void listTabMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);

    // ===== shop/: fitting parts and the setting screen (Equipment.cpp, Setting.cpp) =====
    void equipButtonClick(Control& sender);
    void checkItemConflict(int item);
    static bool isChangeSpeedItem(int item);
    void setMaxSpeed(bool remove, int item);
    void setMax();
    void equipItem();
    void reflectEquipment();
    void settingButtonMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                int y);
    void settingButtonMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void updateViewMode();
    void changeViewButtonClick(Control& sender);
    void showRecord();
    void hideSettingView(); // the shop shows neither view
    void showRecordRows(bool show);
    void showGearRows(int n);     // rows 1..n shown, the others hidden
    int accelItemOfBoxes() const; // 26 or 27, or 31 when neither is selected
    void numEdit1Change(Control& sender);
    void numEdit2Change(Control& sender);
    void numEdit1KeyPress(Control& sender, char32_t& key);
    void numEdit2KeyPress(Control& sender, char32_t& key);
    void numUpDown1Changing(Control& sender, bool& allowChange);
    void numUpDown2Changing(Control& sender, bool& allowChange);
    void checkNumEdit1();
    void checkNumEdit2();

    // ===== race/: the bike (Bike.cpp, Gearbox.cpp) =====
    bool TFbrake() const { return rec.equippedItems[22] == 1; }
    bool TFauto() const { return rec.equippedItems[23] == 1; }
    bool balanceBreaker() const { return rec.equippedItems[29] == 1; }
    void clutch();
    void accel();
    void gearUp();
    void gearDown();
    void shiftTo(std::uint8_t newGear);
    void setGear(int n);
    void checkGearshiftAccel();
    static int getGearshiftAccelSpeed(int speed);
    void speedDown(int amount, int lane);
    std::uint8_t getGrDwnSpd() const;
    bool limitCheck() const;
    int getMcrg1() const;
    void heroStep();         // over-speed and drive, once per race step
    void updateTachometer(); // after the rival's step and the wind
    void Speeed(int lane);
    void brakeMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void brakeMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void grupMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void grupMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void grdownMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void grdownMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);

    // ===== race/: the rivals (Opponents.cpp) =====
    void setEnemyData(int lane, int machine, int version);
    void loadEnemyImg(int lane, int machine);
    static bool isEnnoEX(int machine, int lane2Machine);
    void createHandicap(int lane, int machine);
    void createCrgList(int L, int N, bool rainFlag);
    int rivalCrgTable(int machine, int version, int pct);
    int getMcrg2(int lane, int machine);
    void rivalStep(int lane, int machine);

    // ===== race/: the race (RaceFlow.cpp, RaceSetup.cpp, RaceResult.cpp) =====
    void AppWakuMove();
    int getBeforeWakuGap();
    int getAfterWakuGap();
    void getReadyToStart();
    void startSignal();
    void goSignal();
    void AppSig();
    void AppMain();
    void AppMain2();
    void AppWinLose();
    void calcDistance();
    void updateVsDistance();
    void setCharaPosition();
    void createRaceScreen();
    void MoveMotorCycle();
    void MoveBack();
    void CalcTime();
    void updateGauge();
    void judgeGoal();
    bool isLastSpurt() const;
    void checkNewRecord();
    void moveWinLosePic();
    void changeWinPicture();
    void showEarnedPts();
    void Reset();
    void setPositionBeforeBattle();
    void setVisibleBeforeStart();
    void setCharaImg();
    void setMainChara();
    void setVisibleWinLose();
    int getExcitePtsDistance() const;
    int getExcitePtsDeadHeat() const;
    static std::string getTimeString(int n);
    static std::string getSpeedString(int n);

    // ===== race/: weather and effects (Weather.cpp) =====
    void setOpt(std::uint8_t n);
    void setWater(std::uint8_t n);
    void setWaterPoints();
    void rain();
    void windSpeedDown();
    bool isFlying() const;
    void showFlying();
    void AppFlying();
    void shakeMeter(int gap);
    void Philip();
    bool TFweather() const { return rec.equippedItems[28] == 1; }

    // ===== map/: entering places and coming back (Transitions.cpp, Places.cpp) =====
    void goButtonClick();
    void mapTo();
    void mapToEvent(std::uint8_t clearMap);
    void mapToBattle();
    void commonBackButtonClick();
    void backToMap();
    void battleTo();
    void battleToMap();
    void setEnnoFromPlace();
    void setZakoEnno();
    int getZakoEnVerNo() const;
    int getWeatherNo() const;
    void setEnWeatherNo();
    void changeWeatherIcon();
    void changeBgImg();
    std::string getSubImgNo() const;

    // ===== map/: the map screen =====
    void AppMap();
    void loadMap();
    void putMarkerOn(int place); // the map scrolled to the place, the eye on it
    void showMapComponents(bool show);
    void showPlaceInfo();
    void checkPlace(int x, int y);
    static int getDegree(int x, int y);
    static bool isAreaCenter(int x, int y);
    static bool isAreaOut(int x, int y);
    bool isShowStar(int place) const;
    bool isShowStar2(int place) const;
    void makeNoise();
    void drawStars();
    void mapMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void mapMouseUp(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void mapMouseMove(Control& sender, ShiftState shift, int x, int y);

    // ===== story/: the message window (Presentation.cpp) =====
    void showName(int label, int speaker);
    void showName1(int speaker);
    void showNameStr1(const std::string& text);
    void clearName();
    void clearLine();
    void changeFace(int portrait, int n);
    void shakeMes(int dy);
    void shakeMessage();
    void zingoChan();
    void eventMove();
    bool isEventMoveDone() const;
    void finishEventMoves();
    void moveCursor();
    void AppEvent();
    void AppMoveOnly();

    // ===== story/: the choice box (ChoiceBox.cpp) =====
    static constexpr int kChoiceLeft = 190; // where scenes show the box
    static constexpr int kChoiceTop = 104;
    void showChoiceBox(const std::string& choice1, const std::string& choice2, int boxLeft,
                       int boxTop);
    void placeChoiceBox(int boxLeft, int boxTop);
    void hideChoiceBox();
    void askChoice(std::uint8_t mode);
    void AppSelectCursor();
    void choice1LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void choice2LabelMouseMove(Control& sender, ShiftState shift, int x, int y);
    void choiceLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void selectBackMouseLeave(Control& sender);
    void selectCursorMouseLeave(Control& sender);
    void selectCursorMouseDown(Control& sender, MouseButton button, ShiftState shift, int x, int y);
    void selectDown();
    void resumeScene();
    void selectReady(int choice);
    void selectWhy(int choice);
    void selectSachi(int choice);
    void selectRetry(int choice);

    // ===== story/: which scene is due (Dispatch.cpp) =====
    const script::Scene* dueEventScene();
    const script::Scene* dueBattleScene() const;
    void event();
    void battleEvent();
    bool isBeforeBattleEvent();
    bool isAfterBattleEvent();

    // ===== story/: in and out of scenes (SceneFlow.cpp, GameOver.cpp) =====
    void sceneWindowAt(int frameTop);
    void eventSceneLayout();
    void mapMessageWindow();
    void closeSceneWindow();
    void battleEventStart();
    void battleEventToRace();
    void battleEventTo();
    void battleEventToMap();
    void battleEventToEvent();
    void transferToEvent();
    void eventToMap();
    void eventToBattle();
    void eventToBattleEvent();
    void eventToSetting(); // the bike setting screen, the map behind it at the port
    void eventToGameOver();

    // ===== story/: the ending (Ending.cpp) =====
    void toEnding();
    void AppEnding();
    void captionMove();
    void ending();
    void castRider(int slot, int machine);
    void moveRider(int slot, int target, int speed, bool right);
    void castCard(const std::string& upper, const std::string& lower, int lineWidth);
    void finalScreen();

    // ===== school/ =====
    // The lesson is a page machine over the race screen: explanation pages are
    // turned with the buttons, riding pages turn themselves (LessonPages.cpp).
    std::int16_t tutorStep = 0;  // the page shown, 0..32
    void createSchoolControls(); // SchoolControls.cpp
    void bindSchoolHandlers();   // SchoolControls.cpp
    void mapToTutor();           // Lessons.cpp: the school's menu
    void selectSchool(int choice);
    void getReadyToTutor();
    void nextButtonClick();
    void prevButtonClick();
    void resetButtonClick();
    void endTutorButtonClick();
    void showTutorMessage(); // LessonPages.cpp
    void checkTutor();
    void AppTutor();
    void AppTutorCircle();

  private:
    void createControls();       // app/Layout.cpp
    void layoutControls();       // app/Layout.cpp
    void bindFormHandlers();     // app/Layout.cpp
    void bindMapHandlers();      // map/MapControls.cpp
    void bindDataMenuHandlers(); // save/DataMenuControls.cpp
    void bindChoiceHandlers();   // story/ChoiceBox.cpp
    void bindRaceHandlers();     // race/RaceControls.cpp
    void createShopControls();   // shop/ShopControls.cpp
    void bindShopHandlers();     // shop/ShopControls.cpp
    void placeTitle();
    void fatalImage(const std::string& gamePath);
    void windowedLayout();
    void fullScreenLayout();

    bool fatalShown_ = false;
    ImagePtr emptyImage_;
};

} // namespace zb
