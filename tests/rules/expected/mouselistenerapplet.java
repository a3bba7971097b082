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

public class MyApplet extends Applet implements MouseListener
{ 
        // Declare global variables here

     public void init()
     {
                // Execution code goes here

     }

     public void mouseClicked(MouseEvent me)
     {
                // Handle triggered events here

     }

     public void mouseEntered(MouseEvent me)
     {
                // Handle triggered events here

     }

     public void mouseExited(MouseEvent me)
     {
                // Handle triggered events here

     }

     public void mousePressed(MouseEvent me)
     {
                // Handle triggered events here

     }

     public void mouseReleased(MouseEvent me)
     {
                // Handle triggered events here

     }

}
