<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Über Lumora</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Home page:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>contact form</source>
        <translation>Kontaktformular</translation>
    </message>
    <message>
        <source>Copyright © Lumora developers</source>
        <translation>Copyright © Lumora-Entwickler</translation>
    </message>
</context>
<context>
    <name>CBarAccessible</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Search with %1</source>
        <translation>Mit %1 suchen</translation>
    </message>
</context>
<context>
    <name>CCatalogDlg</name>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Restore Built-in Engines</source>
        <translation>Eingebaute Suchmaschinen wiederherstellen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Catalog</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Uncheck All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Gewählt:</translation>
    </message>
    <message>
        <source>All Items:</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Update Built-in Engines...</source>
        <translation>Integrierte Suchmaschinen aktualisieren...</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Suchmaschinen</translation>
    </message>
</context>
<context>
    <name>CCatalogModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Abbr</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>CCompletionList</name>
    <message>
        <source>Earlier searches</source>
        <translation>Frühere Suchen</translation>
    </message>
</context>
<context>
    <name>CEditSearch</name>
    <message>
        <source>Edit </source>
        <translation>Bearbeiten </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Abbreviate:</source>
        <translation>Kürzel:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>Url:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Add Seach Engine</source>
        <translation>Suchmaschine hinzufügen</translation>
    </message>
    <message>
        <source>Empty Serch Name</source>
        <translation>Leerer Suchname</translation>
    </message>
</context>
<context>
    <name>CGlobalHotkey</name>
    <message>
        <source>%1 is in use by another program; choose another in Hotkey...</source>
        <translation>%1 ist von einem anderen Programm belegt; unter Tastenkürzel... ein anderes wählen</translation>
    </message>
    <message>
        <source>%1 has no key on this keyboard; choose another.</source>
        <translation>%1 hat keine Taste auf dieser Tastatur; bitte ein anderes wählen.</translation>
    </message>
</context>
<context>
    <name>CHotkeyDlg</name>
    <message>
        <source>Hotkey</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys that bring the bar down from anywhere:</source>
        <translation>Tasten, die die Leiste von überall herunterholen:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Keys that bring it down with the text selected in any program:</source>
        <translation>Tasten, die sie mit dem in einem beliebigen Programm markierten Text herunterholen:</translation>
    </message>
    <message>
        <source>%1 cannot summon the bar both ways; choose two combinations.</source>
        <translation>%1 kann die Leiste nicht auf beide Arten herunterholen; wählen Sie zwei Kombinationen.</translation>
    </message>
</context>
<context>
    <name>CImportDlg</name>
    <message>
        <source>OpenSearch file...</source>
        <translation>OpenSearch-Datei...</translation>
    </message>
    <message>
        <source>OpenSearch file</source>
        <translation>OpenSearch-Datei</translation>
    </message>
    <message>
        <source>OpenSearch descriptions (*.xml *.osdx);;All files (*)</source>
        <translation>OpenSearch-Beschreibungen (*.xml *.osdx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1 engine skipped: %1</source>
        <translation>1 Suchmaschine ausgelassen: %1</translation>
    </message>
    <message>
        <source>%1 engines skipped: %2</source>
        <translation>%1 Suchmaschinen ausgelassen: %2</translation>
    </message>
    <message>
        <source>Import Engines</source>
        <translation>Suchmaschinen importieren</translation>
    </message>
    <message>
        <source>Sources:</source>
        <translation>Quellen:</translation>
    </message>
    <message>
        <source>Engines:</source>
        <translation>Suchmaschinen:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Schlüsselwort</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>%1 — unreadable: %2</source>
        <translation>%1 — nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 — 1 engine</source>
        <translation>%1 — 1 Suchmaschine</translation>
    </message>
    <message>
        <source>%1 — %2 engines</source>
        <translation>%1 — %2 Suchmaschinen</translation>
    </message>
    <message>
        <source>Choose an OpenSearch description file.</source>
        <translation>Eine OpenSearch-Beschreibung auswählen.</translation>
    </message>
    <message>
        <source>%1 (already there)</source>
        <translation>%1 (schon vorhanden)</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (vergeben)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the catalogue has this abbreviation and comes first.</source>
        <translation>„%1“ im Katalog hat dieses Kürzel und steht weiter oben.</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>%1 (set by policy)</source>
        <translation>%1 (per Richtlinie festgelegt)</translation>
    </message>
    <message>
        <source>%1 (added by a site)</source>
        <translation>%1 (von einer Website hinzugefügt)</translation>
    </message>
</context>
<context>
    <name>CLumoraDlg</name>
    <message>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>No private window: no default browser is set</source>
        <translation>Kein privates Fenster: Es ist kein Standardbrowser eingestellt</translation>
    </message>
    <message>
        <source>No private window for %1</source>
        <translation>Kein privates Fenster für %1</translation>
    </message>
</context>
<context>
    <name>CUpdateBuiltinsDlg</name>
    <message>
        <source>Update Built-in Engines</source>
        <translation>Integrierte Suchmaschinen aktualisieren</translation>
    </message>
    <message>
        <source>These engines still have the address they were built in with, and a newer one is known. Untick any you want to keep as it is. Names, abbreviations, groups and ticks stay; engines you changed are not listed.</source>
        <translation>Diese Suchmaschinen haben noch ihre ursprünglich eingebaute Adresse, und eine neuere ist bekannt. Entfernen Sie das Häkchen bei allen, die unverändert bleiben sollen. Namen, Kürzel, Gruppen und Häkchen bleiben erhalten; von Ihnen geänderte Suchmaschinen werden nicht aufgeführt.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Suchmaschine</translation>
    </message>
    <message>
        <source>Becomes</source>
        <translation>Wird zu</translation>
    </message>
    <message>
        <source>Address now</source>
        <translation>Adresse jetzt</translation>
    </message>
    <message>
        <source>Delete closed engines instead of unticking them</source>
        <translation>Eingestellte Suchmaschinen löschen statt ihr Häkchen zu entfernen</translation>
    </message>
    <message>
        <source>closed in %1: deleted</source>
        <translation>%1 eingestellt: gelöscht</translation>
    </message>
    <message>
        <source>closed in %1: unticked</source>
        <translation>%1 eingestellt: Häkchen entfernt</translation>
    </message>
    <message>
        <source>Engines to update</source>
        <translation>Zu aktualisierende Suchmaschinen</translation>
    </message>
</context>
<context>
    <name>DialogSupport</name>
    <message>
        <source>An invalid argument was encountered.</source>
        <translation>Ein ungültiges Argument wurde gefunden.</translation>
    </message>
</context>
<context>
    <name>ImportReason</name>
    <message>
        <source>no keywords table</source>
        <translation>keine Tabelle „keywords“</translation>
    </message>
    <message>
        <source>not a mozLz4 file</source>
        <translation>keine mozLz4-Datei</translation>
    </message>
    <message>
        <source>announces more than 64 MB</source>
        <translation>kündigt mehr als 64 MB an</translation>
    </message>
    <message>
        <source>damaged compressed data</source>
        <translation>beschädigte komprimierte Daten</translation>
    </message>
    <message>
        <source>size does not match the data</source>
        <translation>Größe passt nicht zu den Daten</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>damaged JSON</source>
        <translation>beschädigtes JSON</translation>
    </message>
    <message>
        <source>no keyword tables</source>
        <translation>keine Schlüsselwort-Tabellen</translation>
    </message>
    <message>
        <source>unsupported address</source>
        <translation>nicht unterstützte Adresse</translation>
    </message>
    <message>
        <source>no place for the query</source>
        <translation>kein Platz für den Suchbegriff</translation>
    </message>
    <message>
        <source>sends the query by POST</source>
        <translation>sendet den Suchbegriff per POST</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>unreadable file</source>
        <translation>nicht lesbare Datei</translation>
    </message>
    <message>
        <source>document type declarations are not accepted</source>
        <translation>Dokumenttyp-Deklarationen werden nicht angenommen</translation>
    </message>
    <message>
        <source>not an OpenSearch description</source>
        <translation>keine OpenSearch-Beschreibung</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>no room for a private copy</source>
        <translation>kein Platz für eine eigene Kopie</translation>
    </message>
    <message>
        <source>too much work to read</source>
        <translation>zu aufwendig zu lesen</translation>
    </message>
    <message>
        <source>unknown charset</source>
        <translation>unbekannter Zeichensatz</translation>
    </message>
    <message>
        <source>built in, Firefox&apos;s own list not found</source>
        <translation>eingebaut, Firefox&apos; eigene Liste nicht gefunden</translation>
    </message>
    <message>
        <source>built in, not in Firefox&apos;s own list</source>
        <translation>eingebaut, nicht in Firefox&apos; eigener Liste</translation>
    </message>
    <message>
        <source>set by policy, not in the policy file</source>
        <translation>per Richtlinie festgelegt, nicht in der Richtliniendatei</translation>
    </message>
</context>
<context>
    <name>OptionLabels</name>
    <message>
        <source>Auto Hide</source>
        <translation>Automatisch ausblenden</translation>
    </message>
    <message>
        <source>Rounding</source>
        <translation>Rundung</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Blue Light</source>
        <translation>Blau hell</translation>
    </message>
    <message>
        <source>Green Light</source>
        <translation>Grün hell</translation>
    </message>
    <message>
        <source>Sulphur Light</source>
        <translation>Schwefel hell</translation>
    </message>
    <message>
        <source>Yellow Light</source>
        <translation>Gelb hell</translation>
    </message>
    <message>
        <source>Gray Light</source>
        <translation>Grau hell</translation>
    </message>
    <message>
        <source>Blue Dark</source>
        <translation>Blau dunkel</translation>
    </message>
    <message>
        <source>Green Dark</source>
        <translation>Grün dunkel</translation>
    </message>
    <message>
        <source>Sulphur Dark</source>
        <translation>Schwefel dunkel</translation>
    </message>
    <message>
        <source>Gray Dark</source>
        <translation>Grau dunkel</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10 %</translation>
    </message>
    <message>
        <source>20%</source>
        <translation>20 %</translation>
    </message>
    <message>
        <source>30%</source>
        <translation>30 %</translation>
    </message>
    <message>
        <source>40%</source>
        <translation>40 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>60%</source>
        <translation>60 %</translation>
    </message>
    <message>
        <source>70%</source>
        <translation>70 %</translation>
    </message>
    <message>
        <source>80%</source>
        <translation>80 %</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90 %</translation>
    </message>
    <message>
        <source>Button View</source>
        <translation>Suchknopf</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Arrow 1</source>
        <translation>Pfeil 1</translation>
    </message>
    <message>
        <source>Arrow 2</source>
        <translation>Pfeil 2</translation>
    </message>
    <message>
        <source>Arrow 3</source>
        <translation>Pfeil 3</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schrift...</translation>
    </message>
    <message>
        <source>Hotkey...</source>
        <translation>Tastenkürzel...</translation>
    </message>
    <message>
        <source>Catalog...</source>
        <translation>Katalog...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Topics  F1</source>
        <translation>Hilfethemen  F1</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Aktualisierung suchen</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Contact Form</source>
        <translation>Kontaktformular</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Remember Searches</source>
        <translation>Suchen merken</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
</context>
</TS>
