#pragma once
#include <SDL.h>
#include <SDL_ttf.h>
#include <string>
#include <vector>

// Keyboard-driven text menu: header lines on top, option lines beneath, one
// option highlighted. Up and Down move the highlight, Return chooses.
class VekMenu
{
public:
    VekMenu();
    ~VekMenu();
    // A copy renders its own pictures.
    VekMenu(const VekMenu& other);
    VekMenu& operator=(const VekMenu& other);

    void Reset();
    void AddHeader(const char* text);
    void AddHeader(std::string& text);
    void AddOption(const char* text);
    void AddOption(std::string& text);
    void SetOnColor(int r, int g, int b);
    void SetOffColor(int r, int g, int b);
    void SetHeaderColor(int r, int g, int b);

    // A new surface holding the rendered menu (the caller frees it), or null.
    SDL_Surface* Draw(TTF_Font* headerFont, TTF_Font* optionFont);
    // The same picture, kept by the menu and rendered again only when its
    // texts, colours, selection or fonts changed; null when none renders.
    SDL_Surface* Rendered(TTF_Font* headerFont, TTF_Font* optionFont);
    // A box of the given size made by VEK_RenderBox, kept the same way.
    SDL_Surface* Box(int width, int height, int pieceSize, SDL_Surface* boxImage);
    void ShowCentred(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont);
    void ShowBoxed(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont, SDL_Surface* boxImage);

    // Handles at most one pending event; the chosen index, or -1.
    int AcceptChoice(SDL_Event& event);
    // Runs the dialog until an option is accepted; -1 when a termination
    // request (SIGTERM, SIGINT) ends it first. The picture is drawn and
    // flipped again only when the selection moved: the screen keeps it.
    int GetChoice(SDL_Event& event, SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont);

    int GetSelected() const { return choice; }
    const std::vector<std::string>& GetHeaders() const { return headers; }
    const std::vector<std::string>& GetOptions() const { return options; }

private:
    std::vector<std::string> headers;
    std::vector<std::string> options;
    SDL_Color offColor;
    SDL_Color onColor;
    SDL_Color headerColor;
    int choice;

    void ForgetPictures();
    // What the kept pictures were made from.
    SDL_Surface* rendered = nullptr;
    TTF_Font* renderedHeaderFont = nullptr;
    TTF_Font* renderedOptionFont = nullptr;
    int renderedChoice = -1;
    SDL_Surface* box = nullptr;
    int boxWidth = 0, boxHeight = 0, boxPieceSize = 0;
    SDL_Surface* boxFrom = nullptr;
};
