// Says how the viewer ran it; each parameter asks for one thing to try.
import java.applet.*;
import java.awt.*;
import java.net.*;

public class Life extends Applet {
    public void init() {
        String name = getParameter("id");
        if (getParameter("sleep") != null) {
            try {
                Thread.sleep(Long.MAX_VALUE);
            } catch (InterruptedException e) {
                return;
            }
        }
        if (getParameter("textarea") != null) {
            setFont(new Font("Serif", Font.PLAIN, 14));
            add(new TextArea("typed", 5, 20));
        }
        if (getParameter("text") != null) {
            StringBuilder codes = new StringBuilder("text");
            getParameter("text").codePoints().forEach(c -> codes.append(' ').append(Integer.toHexString(c)));
            System.out.println(codes);
        }
        if (getParameter("show") != null) {
            try {
                URLStreamHandler none = new URLStreamHandler() {
                    protected URLConnection openConnection(URL url) { return null; }
                };
                getAppletContext().showDocument(new URL(null, getParameter("show"), none));
            } catch (MalformedURLException e) {
                System.out.println(e);
            }
        }
        System.out.println("init " + name + " ended");
    }

    public void start() {
        Applet other = getAppletContext().getApplet(getParameter("find") == null ? "" : getParameter("find"));
        System.out.println("start " + getParameter("id") + " " + getWidth() + "x" + getHeight()
                           + (other == null ? "" : " found " + other.getParameter("id")));
    }
}
