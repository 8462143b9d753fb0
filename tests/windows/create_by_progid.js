// Creates every class of the server by its ProgID from a script, sets and reads its language.
var names = ["Skyfolio", "TicketingIssuance", "TicketingReIssuance", "IssLogTkt",
             "IssManualVoidTkt", "IssBSPDamagedTkt"];
var failed = 0;
var created = 0;
var shell = new ActiveXObject("WScript.Shell");
for (var i = 0; i < names.length; i++) {
    try {
        shell.RegRead("HKCR\\Farewright." + names[i] + "\\");
    } catch (e) {
        WScript.Echo("skip " + names[i] + ": not a class of this build");
        continue;
    }
    created++;
    try {
        var mask = new ActiveXObject("Farewright." + names[i]);
        mask.Lang = "EN1";
        mask.initField("PNR=ABC123");
        WScript.Echo((mask.Lang == "EN1" ? "ok   " : "FAIL ") + names[i] + ": created by ProgID");
        if (mask.Lang != "EN1")
            failed++;
    } catch (e) {
        WScript.Echo("FAIL " + names[i] + ": " + e.message);
        failed++;
    }
}
WScript.Quit(failed > 0 || created == 0 ? 1 : 0);
