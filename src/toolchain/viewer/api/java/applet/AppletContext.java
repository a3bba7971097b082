package java.applet;

import java.awt.Image;
import java.io.IOException;
import java.io.InputStream;
import java.net.URL;
import java.util.Enumeration;
import java.util.Iterator;

/** The page an applet is on and the program that shows it. */
public interface AppletContext {
    /** The sound at `url`. */
    AudioClip getAudioClip(URL url);

    /** The picture at `url`, loaded as it is drawn. */
    Image getImage(URL url);

    /** The applet of the page whose name is `name`, or null. */
    Applet getApplet(String name);

    /** The applets of the page. */
    Enumeration<Applet> getApplets();

    /** Asks the program to show the page at `url` instead of this one. */
    void showDocument(URL url);

    /** Asks the program to show the page at `url` in the window or frame `target`. */
    void showDocument(URL url, String target);

    /** Shows `status` where the program shows its status. */
    void showStatus(String status);

    /** Keeps `stream` under `key` for the applets of this page; null removes it. */
    void setStream(String key, InputStream stream) throws IOException;

    /** The stream kept under `key`, or null. */
    InputStream getStream(String key);

    /** The keys streams are kept under. */
    Iterator<String> getStreamKeys();
}
