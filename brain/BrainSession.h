// The brain protocol over the engine: one input line in, its answer lines out.
// The brain plays the computer's side: its own stones are the engine's
// Computer, the manager's are Human, and every move it answers is
// ChooseMove(Computer), exactly the game's reply to a player.
//
// Free of any platform: main.cpp feeds it lines from standard input and says
// how the platform ends a line; the tests feed it strings.
#pragma once

#include "BoardSize.h"
#include "Engine.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

class CBrainSession {
public:
    // Any board the engine takes, up to the game's largest.
    static constexpr uint32_t minSize = MinEngineSide;
    static constexpr uint32_t maxSize = MaxBoardSide;
    // Longer lines are refused whole; the line splitter keeps one byte more
    // than this so that they can be told apart.
    static constexpr size_t maxLineLength = 1000;

    // Every answer line ends in answerLineEnd.
    explicit CBrainSession(std::string_view answerLineEnd);
    ~CBrainSession();
    CBrainSession(const CBrainSession&) = delete;
    CBrainSession& operator=(const CBrainSession&) = delete;

    // Handles one line without its line end and writes its answer, if any.
    void HandleLine(std::string_view line, std::ostream& out);
    // Set once END was read; later lines are ignored.
    bool Ended() const { return ended; }
    // The position of the game, or nullptr before the first START.
    const CEngine* Game() const { return game.get(); }

private:
    enum class Mode {
        Commands,
        Board,  // collecting the lines of BOARD into the draft
        SkipBoard,  // a refused BOARD: its lines up to DONE are dropped
    };

    void Say(std::ostream& out, std::string_view text) const;
    void Error(std::ostream& out, std::string_view reason) const;
    void Command(std::string_view line, std::ostream& out);
    void BoardLine(std::string_view line, std::ostream& out);
    void Start(uint32_t width, uint32_t height, std::ostream& out);
    void Turn(std::string_view args, std::ostream& out);
    void Begin(std::string_view args, std::ostream& out);
    void Board(std::string_view args, std::ostream& out);
    void FinishBoard(std::ostream& out);
    void Takeback(std::string_view args, std::ostream& out);
    // Plays the engine's move and answers it.
    void Reply(std::ostream& out);

    std::string lineEnd;
    std::unique_ptr<CEngine> game;
    std::unique_ptr<CEngine> draft;
    Mode mode = Mode::Commands;
    bool ended = false;
};
