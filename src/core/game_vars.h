#pragma once

#include <string>

#include "core/indexed_array.h"

using AreaMembership = IndexedArray<int, 0, 37>;
// The six areas: AreaTables(k)(i) = 1 when number index i belongs to area k.
using AreaTables = IndexedArray<AreaMembership, 1, 6>;

// Every game variable of the program. All start at 0 (texts empty) except LastIndex,
// which starts at 100: nothing to take back.
struct GameVars {
  // Settings (USER.FIL)
  int PocketCount = 0;
  int SoundOn = 0;
  int MainFront = 0;
  // Settings (USER2.FIL)
  int OrWindowOn = 0;
  int AreaWindowOn = 0;
  int PointWindowOn = 0;
  int TotalWindowOn = 0;
  int ExpectCheckOn = 0;
  int QuickExpectOn = 0;
  int PointMode = 0;
  int PointLimit = 0;
  AreaTables AreaMember;

  int ExpectDone = 0;
  int AreaEditing = 0;
  IndexedArray<int, 0, 37> AreaAssigned;
  int CurrentIndex = 0;
  int ColourClass = 0;
  int LastIndex = 100;
  int LastArea = 0;
  int LastColour = 0;
  int Unsaved = 0;

  IndexedArray<std::string, 0, 24> LogText;
  IndexedArray<int, 0, 24> LogColour;
  IndexedArray<int, 1, 5000> SpinLog;
  int LogPage = 0;
  IndexedArray<int, 1, 40> SearchOn;

  int BlinkArea = 0;
  int BlinkPoint = 0;
  int BlinkPhase = 0;
  int ExpectColour = 0;
  int PointExpectVoid = 0;
  int ExpectArea = 0;

  // Save and load name their slot's files themselves, so SlotMode is always 0 (the
  // scripted front end still shows it). SlotNo is the slot last saved or loaded.
  int SlotMode = 0;
  int SlotNo = 0;
};
