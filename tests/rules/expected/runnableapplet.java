/*
     Project:   MyApplet
     Creator:   Orvane 1.01
     Author:    Jane Doe
     Copyright: ©2001
     Descrpion: A test applet.
*/

// Import header files
import java.applet.*;
import java.awt.*;
import java.awt.event.*;

public class MyApplet extends Applet implements Runnable
{ 
        // Declare global variables here

     public void start()
     {
        // Execution code goes here

     }

     public void stop()
     {
        // Applet's execution terminates here

     }

     public void run()
     {
        // Applet's execution is controlled here

     }

}
