package java.applet;

import java.net.URL;

/** What the program showing an applet tells it about its page; the applet's link to it. */
public interface AppletStub {
    /** True between the applet's start and its stop. */
    boolean isActive();

    /** The address of the page the applet is on. */
    URL getDocumentBase();

    /** The address of the folder the applet's classes come from. */
    URL getCodeBase();

    /** The value of the page's parameter `name`, or null. */
    String getParameter(String name);

    /** The page and the program around the applet. */
    AppletContext getAppletContext();

    /** Called when the applet asks for another size. */
    void appletResize(int width, int height);
}
