#include "toolkit/vek_menu.h"
#include <algorithm>
#include "toolkit/vek_clock.h"
#include "toolkit/vek_display.h"
#include "toolkit/vek_pad.h"
#include "toolkit/vek_signals.h"
#include "toolkit/vek_surface.h"

static const int BOX_PIECE_SIZE = 30;
static const Uint32 CHOICE_POLL_MS = 20;

static SDL_Color MakeColor(int r, int g, int b)
{
    SDL_Color c;
    c.r = static_cast<Uint8>(r);
    c.g = static_cast<Uint8>(g);
    c.b = static_cast<Uint8>(b);
    c.unused = 0;
    return c;
}

VekMenu::VekMenu() { Reset(); }

VekMenu::~VekMenu()
{
    ForgetPictures();
    headers.clear();
    options.clear();
}

VekMenu::VekMenu(const VekMenu& other)
    : headers(other.headers), options(other.options), offColor(other.offColor), onColor(other.onColor),
      headerColor(other.headerColor), choice(other.choice)
{
}

VekMenu& VekMenu::operator=(const VekMenu& other)
{
    if (this != &other)
    {
        ForgetPictures();
        headers = other.headers;
        options = other.options;
        offColor = other.offColor;
        onColor = other.onColor;
        headerColor = other.headerColor;
        choice = other.choice;
    }
    return *this;
}

void VekMenu::ForgetPictures()
{
    if (rendered)
        SDL_FreeSurface(rendered);
    rendered = nullptr;
    renderedChoice = -1;
    if (box)
        SDL_FreeSurface(box);
    box = nullptr;
}

void VekMenu::Reset()
{
    ForgetPictures();
    options.clear();
    headers.clear();
    offColor = MakeColor(115, 115, 115);
    onColor = MakeColor(255, 255, 255);
    headerColor = MakeColor(0, 0, 255);
    choice = 0;
}

// Every change to what the menu shows drops its kept picture.
void VekMenu::AddHeader(const char* text)
{
    ForgetPictures();
    headers.push_back(text);
}
void VekMenu::AddHeader(std::string& text)
{
    ForgetPictures();
    headers.push_back(text);
}
void VekMenu::AddOption(const char* text)
{
    ForgetPictures();
    options.push_back(text);
}
void VekMenu::AddOption(std::string& text)
{
    ForgetPictures();
    options.push_back(text);
}
void VekMenu::SetOnColor(int r, int g, int b)
{
    ForgetPictures();
    onColor = MakeColor(r, g, b);
}
void VekMenu::SetOffColor(int r, int g, int b)
{
    ForgetPictures();
    offColor = MakeColor(r, g, b);
}
void VekMenu::SetHeaderColor(int r, int g, int b)
{
    ForgetPictures();
    headerColor = MakeColor(r, g, b);
}

static int Width(SDL_Surface* line) { return line ? line->w : 0; }
static int Height(SDL_Surface* line) { return line ? line->h : 0; }

SDL_Surface* VekMenu::Draw(TTF_Font* headerFont, TTF_Font* optionFont)
{
    // A line that renders to nothing (an empty text, a failed render) is
    // left out as if it had no size.
    std::vector<SDL_Surface*> headerLines;
    std::vector<SDL_Surface*> optionLines;
    for (const std::string& text : headers)
        headerLines.push_back(headerFont ? TTF_RenderText_Solid(headerFont, text.c_str(), headerColor) : nullptr);
    for (size_t i = 0; i < options.size(); ++i)
    {
        SDL_Color colour = static_cast<int>(i) == choice ? onColor : offColor;
        optionLines.push_back(optionFont ? TTF_RenderText_Solid(optionFont, options[i].c_str(), colour) : nullptr);
    }

    int width = 0;
    int height = 0;
    for (SDL_Surface* line : headerLines)
    {
        width = std::max(width, Width(line));
        height += Height(line);
    }
    for (SDL_Surface* line : optionLines)
    {
        width = std::max(width, Width(line));
        height += Height(line);
    }

    SDL_Surface* result = VEK_NewSurface(width, height);
    if (result)
    {
        // Headers stack down from the top edge, options up from the bottom
        // edge; with one font per list the two meet exactly.
        int y = 0;
        for (SDL_Surface* line : headerLines)
        {
            if (!line)
                continue;
            VEK_BlitSurface(line, nullptr, result, (width - line->w) / 2, y);
            y += line->h;
        }
        y = height;
        for (auto it = optionLines.rbegin(); it != optionLines.rend(); ++it)
        {
            SDL_Surface* line = *it;
            if (!line)
                continue;
            y -= line->h;
            VEK_BlitSurface(line, nullptr, result, (width - line->w) / 2, y);
        }
    }

    for (SDL_Surface* line : headerLines)
        SDL_FreeSurface(line);
    for (SDL_Surface* line : optionLines)
        SDL_FreeSurface(line);
    return result;
}

SDL_Surface* VekMenu::Rendered(TTF_Font* headerFont, TTF_Font* optionFont)
{
    if (rendered && (renderedHeaderFont != headerFont || renderedOptionFont != optionFont || renderedChoice != choice))
    {
        SDL_FreeSurface(rendered);
        rendered = nullptr;
    }
    if (!rendered)
    {
        rendered = Draw(headerFont, optionFont);
        renderedHeaderFont = headerFont;
        renderedOptionFont = optionFont;
        renderedChoice = choice;
    }
    return rendered;
}

SDL_Surface* VekMenu::Box(int width, int height, int pieceSize, SDL_Surface* boxImage)
{
    if (box && (boxWidth != width || boxHeight != height || boxPieceSize != pieceSize || boxFrom != boxImage))
    {
        SDL_FreeSurface(box);
        box = nullptr;
    }
    if (!box)
    {
        box = VEK_RenderBox(width, height, pieceSize, boxImage);
        boxWidth = width;
        boxHeight = height;
        boxPieceSize = pieceSize;
        boxFrom = boxImage;
    }
    return box;
}

void VekMenu::ShowCentred(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont)
{
    if (!screen)
        return;
    if (SDL_Surface* text = Rendered(headerFont, optionFont))
        VEK_BlitSurface(text, nullptr, screen, (screen->w - text->w) / 2, (screen->h - text->h) / 2);
    VEK_Present(screen);
}

void VekMenu::ShowBoxed(SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont, SDL_Surface* boxImage)
{
    if (!screen)
        return;
    if (SDL_Surface* text = Rendered(headerFont, optionFont))
    {
        // 10 pixels beyond the text left and right, 5 above and below.
        if (SDL_Surface* frame = Box(text->w + 20, text->h + 10, BOX_PIECE_SIZE, boxImage))
            VEK_BlitSurface(frame, nullptr, screen, (screen->w - frame->w) / 2, (screen->h - frame->h) / 2);
        VEK_BlitSurface(text, nullptr, screen, (screen->w - text->w) / 2, (screen->h - text->h) / 2);
    }
    VEK_Present(screen);
}

int VekMenu::AcceptChoice(SDL_Event& event)
{
    if (!SDL_PollEvent(&event) || event.type != SDL_KEYDOWN)
        return -1;
    switch (event.key.keysym.sym)
    {
    case SDLK_UP:
        if (choice > 0)
            --choice;
        break;
    case SDLK_DOWN:
        if (choice < static_cast<int>(options.size()) - 1)
            ++choice;
        break;
    case SDLK_RETURN:
        return choice;
    default:
        break;
    }
    return -1;
}

int VekMenu::GetChoice(SDL_Event& event, SDL_Surface* screen, TTF_Font* headerFont, TTF_Font* optionFont)
{
    int result;
    int shown = -1;
    do
    {
        VEK_SetPadContext(VEK_PAD_MENU);
        result = AcceptChoice(event);
        if (shown == -1 || shown != choice)
        {
            ShowCentred(screen, headerFont, optionFont);
            shown = choice;
        }
        VEK_Delay(CHOICE_POLL_MS);
    } while (result == -1 && !VEK_TerminationRequested());
    return result;
}
