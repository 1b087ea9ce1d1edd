#pragma once
// Every scene of the story, by name. The dispatchers pick them; Script.h says
// how one is written.

#include "story/Script.h"

#include <vector>

namespace zb::scenes {

extern const script::Scene eventOpening0;
extern const script::Scene eventOpening1;
extern const script::Scene eventMustGo;
extern const script::Scene eventFoo;
extern const script::Scene eventMustEquipLC;
extern const script::Scene eventOpening2;
extern const script::Scene battleEventStreet1;
extern const script::Scene battleEventStreet2;
extern const script::Scene eventSachi1;
extern const script::Scene eventRHouse1;
extern const script::Scene eventRHouse2;
extern const script::Scene battleEventBayStreet1;
extern const script::Scene battleEventBayStreet2;
extern const script::Scene eventTV1;
extern const script::Scene battleEventRHouse3;
extern const script::Scene battleEventRHouse4;
extern const script::Scene battleEventDemoEx1;
extern const script::Scene battleEventDemoEx2;
extern const script::Scene eventNoCustomers;
extern const script::Scene eventSachi2;
extern const script::Scene battleEventBayStreet3;
extern const script::Scene battleEventBayStreet4;
extern const script::Scene eventRHouse5;
extern const script::Scene battleEventRHouse6;
extern const script::Scene battleEventStreet3;
extern const script::Scene battleEventStreet4;
extern const script::Scene eventLastNight1;
extern const script::Scene eventChallenge1;
extern const script::Scene battleEventChallenge2;
extern const script::Scene eventChallenge3;
extern const script::Scene battleEventChallenge4;
extern const script::Scene battleEventChallenge5;
extern const script::Scene battleEventChallenge6;
extern const script::Scene eventCannotFaceFather;
extern const script::Scene eventSachiAbsent;
extern const script::Scene eventWhereIsSachi;
extern const script::Scene eventAfterLose;
extern const script::Scene eventChallenge7;
extern const script::Scene battleEventChallenge8;
extern const script::Scene battleEventChallenge9;
extern const script::Scene eventPort1;
extern const script::Scene eventMemory1;
extern const script::Scene eventIsland1;
extern const script::Scene eventIsland2;
extern const script::Scene eventArmy1;
extern const script::Scene eventIsland3;
extern const script::Scene battleEventKusaRace1;
extern const script::Scene battleEventKusaRace2;
extern const script::Scene eventIsland4;
extern const script::Scene eventIsland5;
extern const script::Scene battleEventKusaRace3;
extern const script::Scene battleEventKusaRace4;
extern const script::Scene eventRenraku;
extern const script::Scene eventPort2;
extern const script::Scene battleEventPort3;
extern const script::Scene battleEventPort4;
extern const script::Scene eventHome1;
extern const script::Scene battleEventStation1;
extern const script::Scene eventSachi3;
extern const script::Scene eventChallenge10;
extern const script::Scene battleEventChallenge11;
extern const script::Scene eventIsland6;
extern const script::Scene eventZingoMan1;
extern const script::Scene eventChallenge12;
extern const script::Scene battleEventChallenge13;
extern const script::Scene battleEventChallenge14;
extern const script::Scene eventChallenge15;
extern const script::Scene battleEventChallenge16;
extern const script::Scene battleEventChallenge17;
extern const script::Scene eventChallenge18;
extern const script::Scene battleEventChallenge19;
extern const script::Scene battleEventChallenge20;
extern const script::Scene battleEventChallenge21;
extern const script::Scene eventNoTime;
extern const script::Scene battleEventLast1;
extern const script::Scene eventLast2;
extern const script::Scene battleEventLast3;
extern const script::Scene battleEventLast4;
extern const script::Scene eventLast5;
extern const script::Scene battleEventLast6;
extern const script::Scene battleEventLast7;
extern const script::Scene eventLast8;
extern const script::Scene battleEventLast9;

// All of them, in story order.
const std::vector<const script::Scene*>& all();

} // namespace zb::scenes
