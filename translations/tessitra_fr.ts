<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CFirmwareUpdate</name>
    <message>
        <source>Check the internet connection, or try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for firmware update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for application update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Preset Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 factory presets of the unit will be replaced by those in FactoryPresets.dat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to rewrite the factory presets?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating factory presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences were modified?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes were made to the Preferences. Do you wish to keep these changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>About Tessitra Stage Librarian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentWidget</name>
    <message>
        <source>Load Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to computer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load preset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: at most %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming Preset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove selected preset(s) from set list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing Set List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing preset(s) from Set List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file already exists, do you want to overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Savings presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt;
with
&lt;b&gt;%2&lt;/b&gt;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to edit &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding preset(s) to Set List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: at most %2 characters; the unit cannot store %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceManagerThread</name>
    <message>
        <source>%1, serial number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The lists show only what was read until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. %1 of %2 presets were saved to files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The back-up file was not written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessitra Stage Librarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load initialization file. Reinstall the application to fix the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading...&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tessitra Stage Librarian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual could not be opened. It is at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unplug one of them; the librarian connects to the one left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit is in use by the tessitra command line; the librarian connects when it is free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect your Stage Ariette or Stage Cadenzo over USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BACKUP(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 user presets, the favourites, set lists A to D and the system parameters of the unit will be replaced by those in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to restore this back-up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary(*.bin *.ldr)</source>
        <comment>file type in the file dialog</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DSP firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microcontroller firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to write this firmware?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New application version available.
Current: %1
New: %2
Do you want to download and update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading application...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
New: %3, %4
Do you want to update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1
New: %2
Do you want to update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to close the application and install the new version?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit answers again. Its factory bank from before the rewrite that stopped is kept in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the factory presets from before back?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the state from before?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit answers again. The automatic back-up &quot;%1&quot; holds its user presets, set lists and system parameters from before the operation that stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the state from before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the back-up again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit holds a mix of old and restored presets until it is restored or refreshed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the overwritten presets back...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; asks for &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;User Name:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Password:&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
EMPTY</source>
        <comment>an empty set-list slot: A01</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for firmware update...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Refresh presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Update Firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Browse&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Up one folder&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Back up user presets from device.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will back up all presets from device to a file in computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Back Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Load user presets to device from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will load the presets from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the presets from the unit again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write new firmware from a file into the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update checks, safety and language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manual and the About box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the folder the file list shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the folder above this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a folder and press Enter to show it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag preset files onto the user presets to load them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the presets, set lists and settings of the unit to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load a back-up file into the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OperationPlan</name>
    <message>
        <source>Reading the factory presets %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the factory presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading preset names %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading preset names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading set lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the unit first: preset %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the unit first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping the factory presets first: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping the factory presets first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up presets %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up set lists and system parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving presets %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeping what is overwritten, for Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing presets %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit is storing the presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking what was written %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing set lists %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing set lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the system parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>almost done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>Time left of an operation, in seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <extracomment>Time left of an operation, in minutes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <extracomment>Time left of an operation: %1 minutes and %2 seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This takes a few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This takes about %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This takes about a minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This takes about %1 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetButton</name>
    <message>
        <source>Select preset(s) to drag</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This cannot be stopped safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>settingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when the librarian starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Firmware Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once a Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the update server for newer firmware for the unit now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Application Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask the update server for a newer librarian now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Factory Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit from FactoryPresets.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the unit before a restore, a factory rewrite or a firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify every write by reading it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset To Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessitra</name>
    <message>
        <source>Failed to communicate with device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple devices detected. Please connect only one device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading factory presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read factory presets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading user presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading set lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; was not saved; any earlier file of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: the folder may be read-only or the disk full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any earlier back-up of that name is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The factory preset file was damaged or made for another unit. It was set aside as %1 and is made again from the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File version mismatch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File data corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) version mismatch.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File(s) data corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load preset. Unknown error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to load preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up user presets and set lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succesfully backed up user presets and set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to backed up user presets and set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring user presets and set lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succesfully restored user presets and set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t find a back up file.
Please back up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to restore user presets and set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allowed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please perform a factory reset of your device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory preset file not found. Please re-install the application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update factory presets. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating DSP Firmware.
Do not disconnect or power down the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not power down the device until the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update DSP Firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating uP Firmware.
Do not disconnect or power down the device.</source>
        <extracomment>uP: the unit&apos;s microcontroller</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not power down the device until  the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to update uP Firmware.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was found but this user may not open it. Install the udev rule that comes with the librarian (the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was found but another program is using it. Close that program, or reconnect the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was found but went away before it could be opened. Check the USB cable and reconnect the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was found but could not be opened. Reconnect the unit; the log file ui.log names the cause.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written; the unit holds its presets as before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written; the unit holds a mix of old and restored presets. Restore the back-up again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was disconnected during the restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written, so it holds a mix of old and restored presets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 user presets were written, but not all set lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 user presets and the set lists were written, but not the system parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the unit answers again, the librarian offers to put back the state from before the restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect it again and restore the back-up again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is cut short or damaged. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 factory presets were written; the unit holds a mix of old and new factory presets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes of the firmware image were sent; the unit holds no complete new firmware. Keep it powered, connect it again and update the firmware again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up the unit first...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: the unit could not be backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification failed: %1 differs from what was written.</source>
        <extracomment>%1 names one slot, set list or the system parameters</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verification failed: %1 differ from what was written.</source>
        <extracomment>%1 names several slots or set lists: &quot;U05 and U07&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list: &quot;U01, U02 and U03&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set list %1</source>
        <extracomment>%1 is the letter of the set list: A, B, C or D</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer holds what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 is one slot or set list, %3 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer hold what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 names several slots or set lists, %2 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer holds what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer hold what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <extracomment>The steps the undo history names, after &quot;Undo: &quot; in the Edit menu: copy F03 to U90</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring %1 from %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1 from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold %2. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The undo journal was damaged or made for another unit and was not used. It was set aside as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The undo journal cannot be read and was not used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not parse the update info in server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No update found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device firmware is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection to update server cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fimware update not supported for this device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to fetch info from update server!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update info from the server is not signed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update info from the server failed its signature check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update info from the server lacks the size or SHA-256 of an image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server must be reached over https.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download does not match the update info from the server. It was deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not be saved. Check the free space in the downloads folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This download was not offered by the update server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See &apos;tessitra %1 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See &apos;tessitra --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit found. Connect the unit and switch it on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tessitra Stage Librarian window is using the unit. Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another tessitra command is using the unit. Wait for it to end and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changes what the unit holds: give --yes to confirm when not run from a terminal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. The operation&apos;s last words: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopping: the operation ends at its next record or packet (Ctrl-C again ends the program at once, leaving the unit as it is then).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unit was backed up before it started; to put it back: tessitra restore &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The factory bank was kept before it started; to put it back: tessitra factory-update &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same
operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.
Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).

Options:
  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,
              or the real USB units when neither is given)
  --json      print the result as JSON on standard output, and an error as {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)
  --help      this text; `tessitra COMMAND --help` describes one command
  --version   the version of tessitra

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Exit codes:
  0  success
  1  the operation failed (for example not allowed on this model, or the update server not reached)
  2  bad usage
  3  no unit connected
  4  several units connected
  5  communication with the unit failed
  6  a file is missing, damaged or made for another model
  7  the unit does not hold what was written to it
  8  refused: not confirmed, or --yes missing without a terminal
  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra
  10  an undo or redo found a slot changed since it was written: nothing was written
  130  stopped by Ctrl-C: a read, back-up or save ends at its next record or packet and says how far it
       got; a write to the unit finishes first and ends with its own code
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows model, identity and versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the connected unit: model, identity and versions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists presets or a set list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the user presets (the default), the factory presets, the favourites or set list A to D.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backs the unit up into a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts a back-up, or chosen parts of it, into the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts a back-up file back into the unit, replacing every user preset, the set lists and the system
parameters. Asks first; an automatic back-up of the unit is taken before it starts.
With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by commas)
or --sysparams only those are written, each read back, and can be undone like a load (the system
parameters are not in the undo history: an automatic back-up is taken first for them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compares the unit or a back-up with a back-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the back-ups FILE
and FILE2 (no unit needed). One line per user slot, set list and the system parameters that
differ, with its mark: settings (same name, other parameters), renamed (other name), changed
(a set list or the system parameters), missing (one side holds none); --all lists the same ones too.
Differences are no failure: the exit code is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds presets by name in back-ups and files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists every back-up and preset file under FOLDER (default: both models&apos; preset and back-up folders)
that holds a preset whose name contains TEXT, newest file first: file, slot, name. No unit is needed;
exit 1 when no preset matches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves presets to preset files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves presets of the unit to preset files in DIR (default: the current folder; made when missing),
named as the window names them (&quot;U01_Rock Lead.tarp&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads preset files into user slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies a preset onto a user slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renames a user preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives user preset SLOT a new name. Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fills a set list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied.
Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undoes the last copy, load, rename or set-list change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts back what the last copy, load, rename or set-list change overwrote, as the window&apos;s Undo does (up to
20 steps back, kept per unit). A slot changed since is left alone: exit 10, or a second question
on a terminal. Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes again what the last undo took away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes again what the last undo took away, while the slots still hold what the undo put there.
Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrites a Cadenzo&apos;s factory presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder,
or from FILE, a factory bank kept before an earlier rewrite. Asks first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes firmware images into the unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.
Asks first; an automatic back-up of the unit is taken before each image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for newer firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks the update server whether newer firmware exists for the unit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a user slot of this unit (U01 to U%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a slot of this unit (U01 to U%2, F01 to F%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list takes one of user, factory, favourites, A, B, C, D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup takes one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore takes one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore %1? Every user preset, the set lists and the system parameters of the unit are replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--only takes one SLOT or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--setlists takes favourites, A, B, C, D or all, separated by commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back %1 from %2? The unit&apos;s own are replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find takes TEXT and, optionally, FOLDER...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No preset named like &quot;%1&quot; was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff takes FILE (against the unit) or FILE1 FILE2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a temporary folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save takes one SLOT or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>load takes one FILE or more and --to SLOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files from %2 do not fit in the user slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets %1 with %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy takes FROM and TO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename takes SLOT and NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name on this unit has 1 to %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name holds Latin-1 letters, digits, spaces and signs only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename %1 to &quot;%2&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a set list (A, B, C, D or favourites)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make %1 hold %2, and empty its other slots?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write again what the last undo took away?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back what the last copy, load, rename or set-list change overwrote?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>factory-update takes at most one FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware takes one FILE or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write %1 into the unit? Do not disconnect or power down the device while it runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check-update takes no arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New DSP:      %1  %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New firmware: %1  %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to belongs to save and load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--only, --setlists and --sysparams belong to restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all belongs to diff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</source>
        <extracomment>The words in capitals and the options stand for what is typed: keep them as they are</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] %1</source>
        <extracomment>One command&apos;s usage: %1 is what follows the command&apos;s name, as &quot;list [user|factory|favourites|A|B|C|D]&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
