#pragma once

// The game's screens.
enum class ScreenId {
    Title,
    ReadMe,
    Briefing,
    Play,
    GameOver,
    AllClear,
    NameEntry,
    Help,
    Version,
    Settings,
    Results,
    AskName
};

// How each screen can end. A screen reports its outcome; the screen flow decides what follows.
enum class TitleOutcome { FirstGame, NextGame, ShowVersion, ShowResults, ShowSettings, Quit };
enum class ReadMeOutcome { Ok, Quit };
enum class BriefingOutcome { Start, Quit };
enum class PlayOutcome { StageCleared, AllClear, GameOver, ChangeLevel, Quit, ShowHelp };
enum class GameOverOutcome { Continue, ChangeLevel, Quit, Closed };
enum class AllClearOutcome { Ok, Quit, Closed };
