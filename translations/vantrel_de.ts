<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>RuleDisplay</name>
    <message>
        <source>PASS</source>
        <translation>BESTANDEN</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>invalid</source>
        <translation>ungültig</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>wird geprüft…</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>About Vantrel</source>
        <translation>Über Vantrel</translation>
    </message>
    <message>
        <source>Vantrel %1</source>
        <translation>Vantrel %1</translation>
    </message>
    <message>
        <source>Edits and checks the parameter files of a coordinate measuring machine&apos;s motion controller.</source>
        <translation>Bearbeitet und prüft die Parameterdateien der Bewegungssteuerung eines Koordinatenmessgeräts.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <translation>Erstellt mit Qt %1, läuft unter Qt %2.</translation>
    </message>
    <message>
        <source>Licence: MIT. The program comes without any warranty.</source>
        <translation>Lizenz: MIT. Das Programm wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Settings and rules are kept in %1</source>
        <translation>Einstellungen und Regeln liegen in %1</translation>
    </message>
</context>
<context>
    <name>TExpressionEdit</name>
    <message>
        <source>Names that complete the expression</source>
        <translation>Namen, die den Ausdruck vervollständigen</translation>
    </message>
</context>
<context>
    <name>THelpMenu</name>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About Vantrel</source>
        <translation>Ü&amp;ber Vantrel</translation>
    </message>
    <message>
        <source>List every keyboard shortcut of the window</source>
        <translation>Alle Tastenkürzel des Fensters auflisten</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>Version, licence and the folder of settings and rules</source>
        <translation>Version, Lizenz und der Ordner der Einstellungen und Regeln</translation>
    </message>
    <message>
        <source>The user guide is not installed. It is part of the program&apos;s documentation, in the file user-guide.html.</source>
        <translation>Das Benutzerhandbuch ist nicht installiert. Es gehört zur Dokumentation des Programms, in der Datei user-guide.html.</translation>
    </message>
</context>
<context>
    <name>TRuleItemDialog</name>
    <message>
        <source>Left expression</source>
        <translation>Linker Ausdruck</translation>
    </message>
    <message>
        <source>Right expression</source>
        <translation>Rechter Ausdruck</translation>
    </message>
    <message>
        <source>= %1</source>
        <translation>= %1</translation>
    </message>
    <message>
        <source>Outcome: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
</context>
<context>
    <name>TShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>TUserGuideDialog</name>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
</TS>
