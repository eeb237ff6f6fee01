#include "core/editors/VariableCatalogue.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace vantry {

namespace {

using enum VariableMenu;

// Menu order: each menu's rows are together, in the order the menus show them.
// A few value lines are deliberately unfinished: those ending in a space or in
// an empty pair of quotes wait for the user's value, and mp_weaponstay has none.
constexpr std::array<ServerVariable, VariableCount> kVariables{{
    {Common, "cl_timeout", "cl_timeout 300", "// Set time of inactivity before client timeout"},
    {Common, "cl_upload_max", "cl_upload_max 0", "// maximum number of files a client can upload to the server"},
    {Common, "deathmatch", "deathmatch 2", "// toggles deathmatch mode"},
    {Common, "decalfrequency", "decalfrequency 30", "// sets delay before client can spray another logo"},
    {Common, "hostname", "hostname \"\"", "// set the name of the server"},
    {Common, "hostport", "hostport 27015", "// set server port"},
    {Common, "map", "map ", "// sets map name, last command in autoexec.cfg, should NOT be used in server.cfg."},
    {Common, "maxplayers", "maxplayers 16", "// set maxplayers limit"},
    {Common, "motd_display_time", "motd_display_time 6", "// seconds MOTD remains on clients screen"},
    {Common, "pausable", "pausable 1", "// sets whether game is pausable"},
    {Common, "rcon_password", "rcon_password \"\"", "// sets rcon_password"},
    {Common, "setmaster", "setmaster half-life.east.won.net 27010", "// sets the master for server listings"},
    {CommonMp, "mp_autocrosshair", "mp_autocrosshair 1", "// toggles autoaim crosshair"},
    {CommonMp, "mp_decals", "mp_decals 300", "// sets maximum number of decals at one time"},
    {CommonMp, "mp_falldamage", "mp_falldamage 0", "// toggle realistic fall damage"},
    {CommonMp, "mp_flashlight", "mp_flashlight 0", "// toggle whether clients may use flashlight"},
    {CommonMp, "mp_footsteps", "mp_footsteps 0", "// toggle footstep sounds"},
    {CommonMp, "mp_forcerespawn", "mp_forcerespawn 0", "// toggle whether clients are forced to respawn when killed"},
    {CommonMp, "mp_fraglimit", "mp_fraglimit 30", "// set number of frags to change map when reached"},
    {CommonMp, "mp_friendlyfire", "mp_friendlyfire 1", "// sets whether teammates may injure each other"},
    {CommonMp, "mp_timelimit", "mp_timelimit 30", "// sets timelimit till map change"},
    {CommonMp, "mp_weaponstay", "mp_weaponstay", "// toggles whether weapons stay after a player picks it up"},
    {CommonSv, "sv_accelerate", "sv_accelerate 10", "// sets the player acceleration for a server"},
    {CommonSv, "sv_aim", "sv_aim 1", "// toggles auto-aim for clients"},
    {CommonSv, "sv_airaccelerate", "sv_airaccelerate 10", "// sets the movement speed while player is in the air"},
    {CommonSv, "sv_airmove", "sv_airmove 1", "// toggles clients ability to move in the air"},
    {CommonSv, "sv_allowdownload", "sv_allowdownload 0",
     "// toggles the ability of clients to download maps and decals"},
    {CommonSv, "sv_allowupload", "sv_allowupload 0", "// toggles the ability of clients to upload models and decals"},
    {CommonSv, "sv_bounce", "sv_bounce 1", "// toggles bounce pads"},
    {CommonSv, "sv_challengetime", "sv_challengetime 15", "// sets the time allowed for clients to connect to a game"},
    {CommonSv, "sv_cheats", "sv_cheats 0", "// toggles cheats"},
    {CommonSv, "sv_clienttrace", "sv_clienttrace 1", "// sets the client bounding box for collisions"},
    {CommonSv, "sv_clipmode", "sv_clipmode 0", "// toggles client clipping mode"},
    {CommonSv, "sv_friction", "sv_friction 4", "// sets friction"},
    {CommonSv, "sv_gravity", "sv_gravity 800", "// sets level of in-game gravity"},
    {CommonSv, "sv_idealpitchscale", "sv_idealpitchscale 0.800", "// sets the pitch preference"},
    {CommonSv, "sv_lan", "sv_lan 0", "// toggles LAN server mode"},
    {CommonSv, "sv_language", "sv_language 0", "// sets language"},
    {CommonSv, "sv_maxspectators", "sv_maxspectators 8", "// sets the maximum number of spectators"},
    {CommonSv, "sv_maxspeed", "sv_maxspeed 320", "// sets the maximum player speed for all clients"},
    {CommonSv, "sv_maxvelocity", "sv_maxvelocity 2000", "// sets the maximum object velocity"},
    {CommonSv, "sv_netsize", "sv_netsize 0", "// sets the maximum network packet size - 0 = auto"},
    {CommonSv, "sv_password", "sv_password ", "// password required for clients to enter server"},
    {CommonSv, "sv_spectalk", "sv_spectalk 1", "// toggles allowing spectator clients to chat"},
    {CommonSv, "sv_spectator_password", "sv_spectator_password ",
     "// password required for clients to connect as spectators"},
    {CommonSv, "sv_spectatormaxspeed", "sv_spectatormaxspeed 500", "// sets the maximum movement speed of spectators"},
    {CommonSv, "sv_stepsize", "sv_stepsize 18",
     "// sets monster and player auto step-up size - larger values allows auto-climbing of steeper slopes"},
    {CommonSv, "sv_timeout", "sv_timeout 65", "// sets the timeout inactivity limit"},
    {CommonSv, "sv_upload_maxsize", "sv_upload_maxsize 0", "// sets the maximum upload file size"},
    {CommonSv, "sv_wateraccelerate", "sv_wateraccelerate 10", "// sets the in-water acceleration of clients"},
    {CommonSv, "sv_waterfriction", "sv_waterfriction 1", "// sets friction underwater"},
    {CommonTeam, "team", "team 0", "// toggles team mode"},
    {CommonTeam, "team1_color", "team1_color ", "// sets team1 color"},
    {CommonTeam, "team1_model", "team1_model ", "// sets team1 model"},
    {CommonTeam, "team1_name", "team1_name ", "// sets team1 name"},
    {CommonTeam, "team1_skin", "team1_skin ", "// sets team1 skin"},
    {CommonTeam, "team2_color", "team2_color ", "// sets team2 color"},
    {CommonTeam, "team2_model", "team2_model ", "// sets team2 model"},
    {CommonTeam, "team2_name", "team2_name ", "// sets team2 name"},
    {CommonTeam, "team2_skin", "team2_skin ", "// sets team2 skin"},
    {Tfc, "tfc_adminpwd", "tfc_adminpwd ", "// sets the tfc admin password"},
    {Tfc, "tfc_autoteam", "tfc_autoteam 0", "// toggles auto-team selection"},
    {Tfc, "tfc_balance_scores", "tfc_balance_scores 0", "// toggles team balancing by score"},
    {Tfc, "tfc_balance_teams", "tfc_balance_teams 0", "// toggles team balancing by number of players"},
    {Tfc, "tfc_birthday", "tfc_birthday 0", "// toggles birthday mode (explosives appear as presents)"},
    {Tfc, "tfc_clanbattle", "tfc_clanbattle 0", "// toggles tfc clan battle (tournament) mode"},
    {Tfc, "tfc_clanbattle_ceasefire", "tfc_clanbattle_ceasefire 0",
     "// toggles ceasefire mode (tfc_clanbattle must be 1)"},
    {Tfc, "tfc_clanbattle_locked", "tfc_clanbattle_locked 0",
     "// toggles locked (play) mode (tfc_clanbattle must be 1)"},
    {Tfc, "tfc_clanbattle_prematch", "tfc_clanbattle_prematch 0",
     "// toggles prematch (practice) mode (tfc_clanbattle must be 1)"},
    {Tfc, "tfc_fragscoring", "tfc_fragscoring 0", "// toggles inclusion of frags in team scores"},
    {Tfc, "tfc_respawndelay", "tfc_respawndelay 0", "// sets respawn delay in tfc games"},
    {Tfc, "tfc_spam_limit", "tfc_spam_limit 20",
     "// sets number of messages per time period that will cause spamming penalty"},
    {Tfc, "tfc_spam_penalty1", "tfc_spam_penalty1 8", "// sets spam penalty level 1"},
    {Tfc, "tfc_spam_penalty2", "tfc_spam_penalty2 2", "// sets spam penalty level2"},
}};

}  // namespace

const ServerVariable& VariableAt(int index) {
    if (index < 0 || index >= VariableCount)
        throw std::out_of_range("no server variable at this index");
    return kVariables[static_cast<std::size_t>(index)];
}

Menu VariableMenus(int firstCommand) {
    // Indexed by VariableMenu.
    std::array<MenuItem, 5> menus{{{0, "Common Server Variables"},
                                   {0, "mp_"},
                                   {0, "sv_"},
                                   {0, "team"},
                                   {0, "TFC Server Variables"}}};
    auto menu = [&](VariableMenu which) -> MenuItem& { return menus[static_cast<std::size_t>(which)]; };
    for (int i = 0; i < VariableCount; ++i) {
        const ServerVariable& variable = kVariables[static_cast<std::size_t>(i)];
        menu(variable.menu).submenu.emplace_back(firstCommand + i, std::string(variable.caption));
    }
    // The three sub-menus follow Common's own entries.
    for (VariableMenu sub : {CommonMp, CommonSv, CommonTeam})
        menu(Common).submenu.push_back(std::move(menu(sub)));
    return {std::move(menu(Common)), std::move(menu(Tfc))};
}

std::string InsertedBlock(std::string_view valueLine, std::string_view commentLine) {
    std::string block;
    block.reserve(valueLine.size() + commentLine.size() + 8);
    block.append("\r\n").append(commentLine).append("\r\n").append(valueLine).append("\r\n\r\n");
    return block;
}

Placement PlaceInsertedBlock(std::string_view text, std::size_t selStart, std::size_t selLength) {
    const std::size_t start = std::min(selStart, text.size());
    const std::size_t length = std::min(selLength, text.size() - start);
    if (length > 0)
        return {start, length};
    // A caret between CR and LF is still in the line end it splits, so the
    // search for the caret line's end starts at that CR.
    const bool insideLineEnd = start > 0 && text[start - 1] == '\r' && start < text.size() && text[start] == '\n';
    const std::size_t lineEnd = text.find("\r\n", insideLineEnd ? start - 1 : start);
    if (lineEnd == std::string_view::npos)
        return {start, 0};
    return {lineEnd + 2, 0};
}

}  // namespace vantry
